#pragma once
// The selector: a one-line choice field that shows the current choice's text and a chevron, and opens its list
// below itself when pressed. It takes over a placeholder static of its owner's dialog, which needs SS_NOTIFY:
// without it the static lets presses through to the dialog. The rows, the choice and the font live in the list
// object; the owner fills m_dropDown.m_items and sets m_dropDown.m_nCurSel before the field is first shown.
#include <optional>

#include "controls/SelectorLayout.h"
#include "controls/TDropDownDlg.h"
#include "framework/Wnd.h"

class TComboBox : public CWnd {
public:
    // The field and its list follow the screen's scale.
    explicit TComboBox(Scale scale) : m_dropDown(scale), m_layout(scale) {}

    // The last confirmed choice. While the list is open, m_dropDown.m_nCurSel follows the pointer (-1 off the
    // rows), so this answers with the choice the list was opened with until the user has chosen.
    int GetCurSel() const { return m_nConfirmedSel.value_or(m_dropDown.m_nCurSel); }

    TDropDownDlg m_dropDown;

protected:
    void OnPaint();
    void OnLButtonDown(UINT flags, POINT point);

    DECLARE_MESSAGE_MAP()

private:
    void DrawPicture(HDC hDC, const RECT& client) const;
    void PlaceListBelowField();
    // Runs the list and returns the row chosen there, or -1.
    int RunList();

    SelectorLayout m_layout;
    // Set only while the list is open.
    std::optional<int> m_nConfirmedSel;
};
