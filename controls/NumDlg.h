#pragma once
// The digit picker: a small topmost popup below a digit button, with 0 on a wide top row and 1 to 9 in a
// three-by-three grid. Digits above the highest one allowed are grey and cannot be chosen. It holds the mouse
// capture, so that any press ends it: on an allowed digit with that digit, anywhere else with no choice. A screen
// reader sees a list of the ten digits, the grey ones unavailable.
#include <string>

#include "controls/ListPopupDlg.h"
#include "controls/PickerLayout.h"

class DibSection;

class NumDlg : public ListPopupDlg {
public:
    // maxDigit: the highest digit that may be chosen; left, top: the screen point for the top-left corner; its size
    // follows the screen's scale; name: what a screen reader calls it.
    NumDlg(int maxDigit, int left, int top, Scale scale, const std::wstring& name);

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

    // The ten digits, 0 to 9, as the items.
    int ItemCount() const override { return kHighestDigit + 1; }
    std::wstring ItemName(int digit) const override { return std::to_wstring(digit); }
    bool IsItemAvailable(int digit) const override { return IsAllowedDigit(digit, m_nMaxDigit); }
    int HighlightedItem() const override { return m_nHover; }
    Rect ItemRect(int digit, const Rect&) const override { return m_layout.CellRect(digit); }
    int ItemAt(Point client) const override { return m_layout.HoverAt(client, kHighestDigit); }

    DECLARE_MESSAGE_MAP()

private:
    void DrawPicture(const DibSection& picture) const;

    PickerLayout m_layout;
};
