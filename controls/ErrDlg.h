#pragma once
// The error popup: one line of text without a title bar, opened directly below the control the user just used
// to say why the action was refused. It holds the mouse capture, so that the next left press anywhere closes it
// and reaches no other window; Enter and Esc close it too.
#include <string>

#include "controls/PopupDlg.h"
#include "controls/PopupLayout.h"

class ErrDlg : public PopupDlg {
public:
    // left, top: the screen point for the popup's top-left corner; its size follows the text at the screen's scale.
    ErrDlg(const std::wstring& text, int left, int top, Scale scale, ErrorWidthRule widthRule);

    std::wstring m_strText;
    CStatic m_stText;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

private:
    int MeasuredTextWidth() const;

    PopupLayout m_layout;
    ErrorWidthRule m_widthRule;
};
