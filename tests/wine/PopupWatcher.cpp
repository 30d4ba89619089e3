#include "tests/wine/PopupWatcher.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Dialog.h"

namespace {
PopupWatcher* g_watcher = nullptr;
constexpr UINT WM_RUN_ACTION = WM_APP + 50;
constexpr wchar_t kHelperClass[] = L"HourgladeTestPopupWatcher";
}  // namespace

PopupWatcher::PopupWatcher()
{
    g_watcher = this;
    WNDCLASSW helperClass{};
    helperClass.lpfnWndProc = &HelperProc;
    helperClass.hInstance = ::GetModuleHandleW(nullptr);
    helperClass.lpszClassName = kHelperClass;
    ::RegisterClassW(&helperClass);
    m_helper = ::CreateWindowW(kHelperClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, helperClass.hInstance, nullptr);
    m_hook = ::SetWindowsHookExW(WH_CALLWNDPROCRET, &HookProc, nullptr, ::GetCurrentThreadId());
}

PopupWatcher::~PopupWatcher()
{
    ::UnhookWindowsHookEx(m_hook);
    ::DestroyWindow(m_helper);
    g_watcher = nullptr;
}

// The dialog has just finished its initialisation; the action runs once its modal loop is running.
LRESULT CALLBACK PopupWatcher::HookProc(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && g_watcher && call->message == WM_INITDIALOG)
        ::PostMessageW(g_watcher->m_helper, WM_RUN_ACTION, reinterpret_cast<WPARAM>(call->hwnd), 0);
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK PopupWatcher::HelperProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_RUN_ACTION && g_watcher) {
        g_watcher->RunNextAction(reinterpret_cast<HWND>(wParam));
        return 0;
    }
    return ::DefWindowProcW(hWnd, message, wParam, lParam);
}

void PopupWatcher::RunNextAction(HWND popup)
{
    if (!::IsWindow(popup)) return;
    ++m_seen;
    if (m_actions.empty()) {
        ADD_FAILURE() << "an unexpected dialog opened";
        EndPopup(popup, -1);
        return;
    }
    Action action = std::move(m_actions.front());
    m_actions.pop_front();
    action(popup);
}

void EndPopup(HWND popup, int result)
{
    if (auto* dialog = dynamic_cast<CDialog*>(CWnd::FromHandle(popup))) dialog->EndDialog(result);
}

std::wstring ControlText(HWND popup, int id)
{
    const HWND control = ::GetDlgItem(popup, id);
    std::vector<wchar_t> text(static_cast<size_t>(::GetWindowTextLengthW(control)) + 1);
    ::GetWindowTextW(control, text.data(), static_cast<int>(text.size()));
    return text.data();
}
