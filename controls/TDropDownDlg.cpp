#include "controls/TDropDownDlg.h"

#include "framework/PaintBuffer.h"
#include "res/resource.h"
#include "res/typeface.h"
#include "system/HighContrast.h"

namespace {

RECT ToRECT(const Rect& rect)
{
    return {rect.left, rect.top, rect.right, rect.bottom};
}

HFONT CreateRowFont(const DropDownLayout& layout)
{
    // A positive height asks for the height of the character cell.
    return ::CreateFontW(layout.FontHeight(), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                         kTypeface);
}

}  // namespace

// clang-format off
BEGIN_MESSAGE_MAP(TDropDownDlg, ListPopupDlg)
    ON_WM_PAINT()
    ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()
// clang-format on

TDropDownDlg::TDropDownDlg(Scale scale)
    : ListPopupDlg(IDD_DROPDOWN, Stacking::AboveOwner, 0, 0),
      m_nCurSel(DropDownLayout::kNoRow),
      m_bDeletable(false),
      m_bDeleteHot(false),
      m_layout(scale)
{
    m_font = GdiObject<HFONT>(CreateRowFont(m_layout));
}

void TDropDownDlg::Place()
{
    m_nHeight = m_layout.WindowHeight(RowCount());
    PopupDlg::Place();
}

int TDropDownDlg::Choice() const
{
    return DropDownLayout::ExistingRowOrNone(m_nCurSel, RowCount());
}

void TDropDownDlg::OnPaint()
{
    const PaintBuffer buffer(*this);
    DrawPicture(buffer.GetDC(), ClientArea());
}

void TDropDownDlg::DrawPicture(HDC hDC, const Rect& client) const
{
    const DropDownColours colours = DropDownColoursFor(HighContrastColours());
    FillSolidRect(hDC, ToRECT(client), colours.background);
    Draw3dRect(hDC, ToRECT(client), colours.frameTopLeft, colours.frameBottomRight);

    const SelectedObject font(hDC, m_font.Get());
    ::SetTextAlign(hDC, TA_LEFT | TA_TOP);
    ::SetBkMode(hDC, TRANSPARENT);
    for (int row = 0; row < RowCount(); ++row) {
        if (row == m_nCurSel)
            DrawHighlightedRow(hDC, row, client, colours);
        else
            DrawRowText(hDC, row, colours.text);
    }
    DrawKeyboardCue(hDC, Choice(), client);
}

// The band and the delete square run over the right edge of the frame.
void TDropDownDlg::DrawHighlightedRow(HDC hDC, int row, const Rect& client, const DropDownColours& colours) const
{
    FillSolidRect(hDC, ToRECT(m_layout.HighlightBand(row, client)), colours.highlight);
    if (m_bDeleteHot) FillSolidRect(hDC, ToRECT(m_layout.DeleteSquare(row, client)), colours.deleteHot);
    DrawRowText(hDC, row, colours.highlightedText);
    if (!m_bDeletable) return;
    const GdiObject<HPEN> markPen(
        ::CreatePen(PS_SOLID, 1, ColourOf(m_bDeleteHot ? colours.deleteHotMark : colours.highlightedText)));
    const SelectedObject pen(hDC, markPen.Get());
    for (const Segment& line : m_layout.DeleteCross(row, client)) {
        ::MoveToEx(hDC, line.from.x, line.from.y, nullptr);
        ::LineTo(hDC, line.to.x, line.to.y);
    }
}

// The band, within the list.
Rect TDropDownDlg::ItemRect(int row, const Rect& client) const
{
    Rect band = m_layout.HighlightBand(row, client);
    band.right = client.right;
    return band;
}

void TDropDownDlg::DrawRowText(HDC hDC, int row, Rgb colour) const
{
    const Point origin = m_layout.TextOrigin(row);
    const std::wstring& text = m_items[static_cast<size_t>(row)];
    ::SetTextColor(hDC, ColourOf(colour));
    ::TextOutW(hDC, origin.x, origin.y, text.c_str(), static_cast<int>(text.size()));
}

void TDropDownDlg::OnMouseMove(UINT, POINT point)
{
    Default();
    if (!PointerMoved(point)) return;
    const int oldSel = m_nCurSel;
    const bool oldDeleteHot = m_bDeleteHot;
    const Rect client = ClientArea();
    m_nCurSel = m_layout.RowAt({point.x, point.y}, client, RowCount());
    if (m_bDeletable) m_bDeleteHot = m_layout.InDeleteColumn({point.x, point.y}, client);
    if (m_nCurSel != oldSel) HighlightMoved(false);
    if (m_nCurSel != oldSel || m_bDeleteHot != oldDeleteHot) InvalidateRect(nullptr, TRUE);
}

// A press on the highlighted row's delete mark deletes that row; any other press ends the list with the row under
// the pointer, with none outside the rows.
void TDropDownDlg::OnLButtonDown(UINT, POINT point)
{
    Default();
    const int row = Choice();
    if (m_bDeletable && row != DropDownLayout::kNoRow && m_layout.InDeleteColumn({point.x, point.y}, ClientArea()))
        DeleteRow(row);
    else
        EndDialog(row);
}

void TDropDownDlg::DeleteRow(int row)
{
    m_removed.push_back(m_items[static_cast<size_t>(row)]);
    m_items.erase(m_items.begin() + row);
    // The row below has moved up under the pointer; below the last row there is none.
    m_nCurSel = DropDownLayout::ExistingRowOrNone(row, RowCount());
    Place();
    InvalidateRect(nullptr, TRUE);
    ItemsRemoved();
}

// The keys move the same highlight as the pointer, which Enter then chooses; Delete acts as a press on the
// highlighted row's delete square.
bool TDropDownDlg::OnKey(UINT key)
{
    switch (key) {
    case VK_UP:
    case VK_DOWN:
        m_nCurSel = DropDownLayout::RowAfterStep(m_nCurSel, key == VK_UP ? -1 : 1, RowCount());
        HighlightMoved(true);
        InvalidateRect(nullptr, TRUE);
        return true;
    case VK_DELETE:
        if (m_bDeletable && Choice() != DropDownLayout::kNoRow) DeleteRow(Choice());
        return true;
    default:
        return false;
    }
}
