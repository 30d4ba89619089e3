#pragma once
// The window wrapper: one object per window of the program, found again from its handle through a window
// property, with its messages dispatched through the class's static message map.
#include <windows.h>

#include <string>

#include "framework/MessageMap.h"

class AccessibleInfo;
class AccessibleObject;

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;

    // The object attached to a window of this program, or null.
    static CWnd* FromHandle(HWND hWnd);

    // Takes over an existing window: its messages go through this object's message map first and then to the
    // window's own procedure.
    void SubclassWindow(HWND hWnd);

    // The message map first; what it does not handle goes to the default handling.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The default handling of the message being dispatched right now.
    LRESULT Default();

    // Lets a window see a queued message before it is translated and dispatched; true when it was consumed.
    virtual BOOL PreTranslateMessage(MSG* msg);
    // Offers a queued message to the windows it is addressed to, from the target up to its top-level window.
    static BOOL WalkPreTranslateTree(MSG* msg);

    // Thin wrappers of the window functions the program uses.
    BOOL ShowWindow(int command) const { return ::ShowWindow(m_hWnd, command); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL EnableWindow(BOOL enable = TRUE) const { return ::EnableWindow(m_hWnd, enable); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL SetWindowPos(HWND insertAfter, int x, int y, int cx, int cy, UINT flags) const
    {
        return ::SetWindowPos(m_hWnd, insertAfter, x, y, cx, cy, flags);
    }
    BOOL MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE) const
    {
        return ::MoveWindow(m_hWnd, x, y, width, height, repaint);
    }
    // Only when the text changes: the window neither repaints nor tells anyone of a change that is none.
    void SetWindowText(const std::wstring& text) const;
    std::wstring GetWindowText() const;
    RECT GetWindowRect() const;
    RECT GetClientRect() const;
    BOOL ModifyStyleEx(DWORD remove, DWORD add) const;
    BOOL InvalidateRect(const RECT* rect, BOOL erase = TRUE) const { return ::InvalidateRect(m_hWnd, rect, erase); }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::PostMessageW(m_hWnd, message, wParam, lParam);
    }
    HWND SetCapture() const { return ::SetCapture(m_hWnd); }
    BOOL DestroyWindow();

protected:
    virtual const fw::MessageMap* GetMessageMap() const;
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Called after the window has been destroyed and detached; windows that own their object delete it here.
    virtual void PostNcDestroy() {}
    // What the window tells a screen reader beyond what the system's standard object for it says; null for nothing.
    virtual const AccessibleInfo* Accessible() const { return nullptr; }

    void Attach(HWND hWnd);
    void Detach();

    // Procedure of subclassed windows and of dialogs after their initialisation.
    static LRESULT CALLBACK StandardWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Runs one message through WindowProc, keeping the message for Default() and finishing WM_NCDESTROY.
    static LRESULT Dispatch(CWnd& wnd, UINT message, WPARAM wParam, LPARAM lParam);

    WNDPROC m_superWndProc = nullptr;  // the window's own procedure, for subclassed windows

private:
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // The object that answers for the client area of a window that says more of itself, made at the first request.
    bool AnswerAccessibleObject(WPARAM wParam, LPARAM lParam, LRESULT& result);

    AccessibleObject* m_pAccessible = nullptr;
};
