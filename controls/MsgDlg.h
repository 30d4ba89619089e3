#pragma once
// The notice of a clock that has run out or is about to act: a small topmost window with the program's icon and
// one line of text, announced with the information beep. Only Esc or its close box closes it.
//
// It is owned by no window and disables none, so that a notice left open holds up no panel and no other clock. Its
// maker hears when it opens and closes, to tell of it elsewhere too.
#include <functional>
#include <string>

#include "framework/Dialog.h"

// Whom a notice tells that it has opened, with its text, and that it is closing.
struct NoticeHooks {
    std::function<void(HWND notice, const std::wstring& text)> opened;
    std::function<void(HWND notice)> closed;
};

class MsgDlg : public CDialog {
public:
    // DoModal's result when the user closed the notice; a notice ended with the program's loop gives -1.
    static constexpr int kClosed = 0;

    MsgDlg(const std::wstring& text, NoticeHooks hooks);

    std::wstring m_strText;
    CStatic m_stText;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    // Enter does nothing; Esc and the close box close the notice.
    void OnOK() override {}
    void OnCancel() override { EndDialog(kClosed); }
    LRESULT OnDestroy(WPARAM, LPARAM);

    DECLARE_MESSAGE_MAP()

private:
    // Without an owner the window system would put the notice at the screen's top-left corner: the top-left corner
    // that puts it in the middle of the work area instead.
    POINT CentreOfWorkArea() const;

    NoticeHooks m_hooks;
};
