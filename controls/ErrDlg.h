#pragma once
// The error popup: one line of text without a title bar, opened directly below the control the user just used
// to say why the action was refused. It holds the mouse capture, so that the next left press anywhere closes it
// and reaches no other window; Enter and Esc close it too.
#include <string>

#include "framework/Dialog.h"

class ErrDlg : public CDialog {
public:
    // left, top: the screen point for the popup's top-left corner.
    ErrDlg(const std::wstring& text, int left, int top);

    BOOL PreTranslateMessage(MSG* msg) override;

    std::wstring m_strText;
    int m_nLeft;
    int m_nTop;
    int m_nWidth;
    int m_nHeight;
    CStatic m_stText;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void OnClose() { EndDialog(-1); }

    DECLARE_MESSAGE_MAP()
};
