#include "framework/Wnd.h"

#include <utility>
#include <vector>

#include "framework/Accessible.h"
#include "framework/App.h"

namespace {
// The property under which every window with an object keeps a pointer to it.
constexpr wchar_t kObjectProperty[] = L"Framework.CWnd";

// The message being dispatched on this thread, for Default(). It is kept here and not in the window's object,
// because a handler may destroy its own window, and with it the object, before the dispatch returns.
struct CurrentMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
thread_local const CurrentMessage* t_current = nullptr;
}  // namespace

CWnd* CWnd::FromHandle(HWND hWnd)
{
    return hWnd ? static_cast<CWnd*>(::GetPropW(hWnd, kObjectProperty)) : nullptr;
}

void CWnd::Attach(HWND hWnd)
{
    m_hWnd = hWnd;
    ::SetPropW(hWnd, kObjectProperty, this);
}

void CWnd::Detach()
{
    if (m_hWnd) ::RemovePropW(m_hWnd, kObjectProperty);
    m_hWnd = nullptr;
}

void CWnd::SubclassWindow(HWND hWnd)
{
    Attach(hWnd);
    m_superWndProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StandardWindowProc)));
}

LRESULT CALLBACK CWnd::StandardWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = FromHandle(hWnd);
    if (!wnd) return ::DefWindowProcW(hWnd, message, wParam, lParam);
    return Dispatch(*wnd, message, wParam, lParam);
}

LRESULT CWnd::Dispatch(CWnd& wnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    const CurrentMessage current{message, wParam, lParam};
    const CurrentMessage* outer = std::exchange(t_current, &current);
    const LRESULT result = wnd.WindowProc(message, wParam, lParam);
    t_current = outer;

    if (message == WM_NCDESTROY) {
        // A screen reader that still holds the window's object hears that the window is gone.
        DisconnectAccessibleObject(std::exchange(wnd.m_pAccessible, nullptr));
        CWinApp* app = AfxGetApp();
        if (app && app->m_pMainWnd == &wnd) {
            // The program ends with its main window.
            app->m_pMainWnd = nullptr;
            ::PostQuitMessage(0);
        }
        wnd.Detach();
        wnd.m_superWndProc = nullptr;
        wnd.PostNcDestroy();
    }
    return result;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (OnWndMsg(message, wParam, lParam, result)) return result;
    if (message == WM_GETOBJECT && AnswerAccessibleObject(wParam, lParam, result)) return result;
    return DefWindowProc(message, wParam, lParam);
}

// The object id comes in the low 32 bits of lParam, which a 64-bit program must compare as such.
bool CWnd::AnswerAccessibleObject(WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    const AccessibleInfo* info = Accessible();
    if (!info || static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT)) return false;
    if (!m_pAccessible) m_pAccessible = CreateAccessibleObject(m_hWnd, *info);
    result = AnswerGetObject(*m_pAccessible, wParam);
    return true;
}

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    for (const fw::MessageMap* map = GetMessageMap(); map; map = map->base) {
        for (const fw::MessageMapEntry& entry : map->entries) {
            if (entry.message != message) continue;
            // Commands from menus, accelerators and clicked buttons or statics; other notifications are not commands.
            if (message == WM_COMMAND && (entry.id != LOWORD(wParam) || HIWORD(wParam) > 1)) continue;
            result = entry.thunk(*this, wParam, lParam);
            return true;
        }
    }
    return false;
}

LRESULT CWnd::Default()
{
    return t_current ? DefWindowProc(t_current->message, t_current->wParam, t_current->lParam) : 0;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_superWndProc) return ::CallWindowProcW(m_superWndProc, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

const fw::MessageMap* CWnd::GetMessageMap() const
{
    return nullptr;
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL CWnd::WalkPreTranslateTree(MSG* msg)
{
    for (HWND hWnd = msg->hwnd; hWnd; hWnd = ::GetParent(hWnd)) {
        if (CWnd* wnd = FromHandle(hWnd); wnd && wnd->PreTranslateMessage(msg)) return TRUE;
        if (!(::GetWindowLongPtrW(hWnd, GWL_STYLE) & WS_CHILD)) break;
    }
    return FALSE;
}

std::wstring CWnd::GetWindowText() const
{
    std::vector<wchar_t> buffer(static_cast<size_t>(::GetWindowTextLengthW(m_hWnd)) + 1);
    const int length = ::GetWindowTextW(m_hWnd, buffer.data(), static_cast<int>(buffer.size()));
    return std::wstring(buffer.data(), static_cast<size_t>(length));
}

void CWnd::SetWindowText(const std::wstring& text) const
{
    if (GetWindowText() != text) ::SetWindowTextW(m_hWnd, text.c_str());
}

RECT CWnd::GetWindowRect() const
{
    RECT rect{};
    ::GetWindowRect(m_hWnd, &rect);
    return rect;
}

RECT CWnd::GetClientRect() const
{
    RECT rect{};
    ::GetClientRect(m_hWnd, &rect);
    return rect;
}

BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add) const
{
    const DWORD style = static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE));
    const DWORD changed = (style & ~remove) | add;
    if (changed == style) return FALSE;
    ::SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE, static_cast<LONG_PTR>(changed));
    return TRUE;
}

BOOL CWnd::DestroyWindow()
{
    return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}
