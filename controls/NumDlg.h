#pragma once
// The digit picker: a small topmost popup below a digit button, with 0 on a wide top row and 1 to 9 in a
// three-by-three grid. Digits above the highest one allowed are grey and cannot be chosen. It holds the mouse
// capture, so that any press ends it: on an allowed digit with that digit, anywhere else with no choice.
#include "controls/PickerLayout.h"
#include "controls/PopupDlg.h"

class DibSection;

class NumDlg : public PopupDlg {
public:
    // maxDigit: the highest digit that may be chosen; left, top: the screen point for the top-left corner; its size
    // follows the screen's scale.
    NumDlg(int maxDigit, int left, int top, Scale scale);

    // DoModal returns the chosen digit, or -1 when the popup was closed without a choice.

    int m_nMaxDigit;
    // The allowed digit under the pointer (0 for the top row), or -1; also the result.
    int m_nHover;

protected:
    void OnPaint();
    void OnMouseMove(UINT flags, POINT point);
    int Choice() const override { return m_nHover; }
    // A digit key chooses, the arrows move the highlight.
    bool OnKey(UINT key) override;

    DECLARE_MESSAGE_MAP()

private:
    void DrawPicture(const DibSection& picture) const;

    PickerLayout m_layout;
};
