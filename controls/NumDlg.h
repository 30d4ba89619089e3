#pragma once
// The digit picker: a small topmost popup below a digit button, with 0 on a wide top row and 1 to 9 in a
// three-by-three grid. Digits above the highest one allowed are grey and cannot be chosen. It holds the mouse
// capture, so that any press ends it: on an allowed digit with that digit, anywhere else with no choice.
#include "controls/PickerLayout.h"
#include "framework/Dialog.h"

class DibSection;

class NumDlg : public CDialog {
public:
    // maxDigit: the highest digit that may be chosen; left, top: the screen point for the top-left corner.
    NumDlg(int maxDigit, int left, int top);

    // DoModal returns the chosen digit, or -1 when the popup was closed without a choice.

    // Keys before the dialog manager: a digit key chooses, the arrows move the highlight.
    BOOL PreTranslateMessage(MSG* msg) override;

    int m_nMaxDigit;
    int m_nLeft;
    int m_nTop;
    int m_nWidth;
    int m_nHeight;
    // The allowed digit under the pointer (0 for the top row), or -1; also the result.
    int m_nHover;

protected:
    BOOL OnInitDialog() override;

    void OnPaint();
    void OnMouseMove(UINT flags, POINT point);
    void OnLButtonDown(UINT flags, POINT point);
    void OnOK();
    void OnCancel();

    DECLARE_MESSAGE_MAP()

private:
    void DrawPicture(const DibSection& picture) const;
    // True when the key was one of the picker's own.
    bool OnKey(UINT key);

    PickerLayout m_layout;
};
