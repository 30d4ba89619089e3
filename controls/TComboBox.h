#pragma once
// The selector: a one-line choice field that shows the current choice's text and a chevron, and opens its list
// below itself when pressed. It takes over a placeholder static of its owner's dialog, which needs SS_NOTIFY:
// without it the static lets presses through to the dialog, and WS_TABSTOP, for the keyboard to reach it. The rows,
// the choice and the font live in the list object; the owner fills m_dropDown.m_items and sets
// m_dropDown.m_nCurSel before the field is first shown.
//
// With the focus, the arrow keys, Home and End change the choice, F4 and Alt+Down open the list; a screen reader sees
// a combo box with its name and the current choice as its value.
#include <optional>
#include <string>

#include "controls/SelectorLayout.h"
#include "controls/TDropDownDlg.h"
#include "framework/Accessible.h"
#include "framework/Wnd.h"

class TComboBox : public CWnd, private AccessibleInfo {
public:
    // The field and its list follow the screen's scale; name is what both are called for a screen reader.
    TComboBox(Scale scale, const std::wstring& name);

    // The last confirmed choice. While the list is open, m_dropDown.m_nCurSel follows the pointer (-1 off the
    // rows), so this answers with the choice the list was opened with until the user has chosen.
    int GetCurSel() const { return m_nConfirmedSel.value_or(m_dropDown.m_nCurSel); }

    TDropDownDlg m_dropDown;

protected:
    void OnPaint();
    void OnLButtonDown(UINT flags, POINT point);
    LRESULT OnGetDlgCode(WPARAM, LPARAM) { return DLGC_WANTARROWS; }
    LRESULT OnKeyDown(WPARAM key, LPARAM);
    LRESULT OnSysKeyDown(WPARAM key, LPARAM);
    LRESULT OnFocusChange(WPARAM, LPARAM);
    const AccessibleInfo* Accessible() const override { return this; }

    DECLARE_MESSAGE_MAP()

private:
    void DrawPicture(HDC hDC, const RECT& client) const;
    void PlaceListBelowField();
    // Runs the list below the field, which takes the row chosen there as the choice.
    void OpenList();
    // Makes a row the choice: the field shows it and a screen reader hears of it.
    void Choose(int row);
    int RowCount() const { return static_cast<int>(m_dropDown.m_items.size()); }

    std::optional<std::wstring> AccessibleName(long child) const override;
    std::optional<std::wstring> AccessibleValue(long child) const override;
    std::optional<long> AccessibleRole(long child) const override;
    std::optional<long> AccessibleState(long child) const override;

    SelectorLayout m_layout;
    std::wstring m_strName;
    // Set only while the list is open.
    std::optional<int> m_nConfirmedSel;
};
