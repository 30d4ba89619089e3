#pragma once
// The list popup of the history buttons and of the selector: one text row per item directly below its anchor,
// the row under the pointer highlighted. With deletion on, the highlighted row carries a delete mark at its right
// end, and a press there removes the row while the popup stays open. It holds the mouse capture, so that a press
// anywhere ends it: on a row with that row, elsewhere with no choice.
//
// Before DoModal the caller fills m_items, sets m_nLeft, m_nTop, m_nWidth and m_bDeletable, and may leave a row
// to highlight at first in m_nCurSel. DoModal returns the chosen row's index in m_items as the list stands
// afterwards, always a row of it, or -1; m_removed then holds the deleted rows in the order of deletion. A screen
// reader sees a list of the rows, named m_strName.
#include <string>
#include <vector>

#include "controls/DropDownLayout.h"
#include "controls/ListPopupDlg.h"
#include "framework/Gdi.h"

class TDropDownDlg : public ListPopupDlg {
public:
    // Its rows, font and delete mark follow the screen's scale.
    explicit TDropDownDlg(Scale scale);

    // The row under the pointer, or -1; also the result.
    int m_nCurSel;
    std::vector<std::wstring> m_items;
    std::vector<std::wstring> m_removed;
    GdiObject<HFONT> m_font;
    bool m_bDeletable;
    // The pointer is over the delete column.
    bool m_bDeleteHot;

protected:
    void OnPaint();
    void OnMouseMove(UINT flags, POINT point);
    void OnLButtonDown(UINT flags, POINT point) override;
    // As high as its rows, which deletions change.
    void Place() override;
    // m_nCurSel when it names a row of the list, otherwise -1.
    int Choice() const override;
    // Up and Down move the highlight, Delete deletes the highlighted row.
    bool OnKey(UINT key) override;

    // The rows as the items.
    int ItemCount() const override { return RowCount(); }
    std::wstring ItemName(int row) const override { return m_items[static_cast<size_t>(row)]; }
    int HighlightedItem() const override { return Choice(); }
    Rect ItemRect(int row, const Rect& client) const override;
    int ItemAt(Point client) const override { return m_layout.RowAt(client, ClientArea(), RowCount()); }

    DECLARE_MESSAGE_MAP()

private:
    int RowCount() const { return static_cast<int>(m_items.size()); }
    void DeleteRow(int row);

    void DrawPicture(HDC hDC, const Rect& client) const;
    void DrawHighlightedRow(HDC hDC, int row, const Rect& client, const DropDownColours& colours) const;
    void DrawRowText(HDC hDC, int row, Rgb colour) const;

    DropDownLayout m_layout;
};
