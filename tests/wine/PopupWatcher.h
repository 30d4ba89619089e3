#pragma once
// Sees the dialogs of this thread as they are initialised and runs a test's action on each, from inside the
// dialog's own modal loop, so that a test can look at a modal popup and close it while the code that opened it
// waits. A dialog that no action was given for is a failure of the test and is ended at once.
#include <windows.h>

#include <deque>
#include <functional>
#include <string>

class PopupWatcher {
public:
    using Action = std::function<void(HWND popup)>;

    PopupWatcher();
    ~PopupWatcher();
    PopupWatcher(const PopupWatcher&) = delete;
    PopupWatcher& operator=(const PopupWatcher&) = delete;

    // The action for the next dialog that opens (actions are used in the order given).
    void Then(Action action) { m_actions.push_back(std::move(action)); }
    // Dialogs seen so far, and actions not yet used.
    int SeenCount() const { return m_seen; }
    size_t PendingCount() const { return m_actions.size(); }

private:
    static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK HelperProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    void RunNextAction(HWND popup);

    HHOOK m_hook = nullptr;
    HWND m_helper = nullptr;
    std::deque<Action> m_actions;
    int m_seen = 0;
};

// Ends a modal dialog of the program as its own code would, with the given result.
void EndPopup(HWND popup, int result);
// Reads what a popup shows in one of its controls.
std::wstring ControlText(HWND popup, int id);
