#pragma once
// The error popup: one line of text without a title bar, opened directly below the control the user just used
// to say why the action was refused. It holds the mouse capture, so that the next left press anywhere closes it
// and reaches no other window; Enter and Esc close it too.
#include <string>

#include "controls/PopupDlg.h"

class ErrDlg : public PopupDlg {
public:
    // left, top: the screen point for the popup's top-left corner.
    ErrDlg(const std::wstring& text, int left, int top);

    std::wstring m_strText;
    CStatic m_stText;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

private:
    int MeasuredTextWidth() const;
};
