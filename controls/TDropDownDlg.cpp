#include "controls/TDropDownDlg.h"

#include "app/HourgladeApp.h"
#include "framework/PaintBuffer.h"
#include "res/resource.h"

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
BEGIN_MESSAGE_MAP(TDropDownDlg, CDialog)
    ON_WM_PAINT()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()
// clang-format on

TDropDownDlg::TDropDownDlg()
    : CDialog(IDD_DROPDOWN),
      m_nCurSel(DropDownLayout::kNoRow),
      m_nLeft(0),
      m_nTop(0),
      m_nWidth(0),
      m_bDeletable(false),
      m_bDeleteHot(false),
      m_layout(theApp.ScreenScale())
{
    m_font = GdiObject<HFONT>(CreateRowFont(m_layout));
}

BOOL TDropDownDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    FitToRows();
    SetCapture();
    return TRUE;
}

void TDropDownDlg::FitToRows()
{
    MoveWindow(m_nLeft, m_nTop, m_nWidth, m_layout.WindowHeight(RowCount()));
}

Rect TDropDownDlg::ClientArea() const
{
    const RECT client = GetClientRect();
    return {client.left, client.top, client.right, client.bottom};
}

int TDropDownDlg::ChosenRow() const
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
    FillSolidRect(hDC, ToRECT(client), kDropDownBackground);
    Draw3dRect(hDC, ToRECT(client), kDropDownFrameTopLeft, kDropDownFrameBottomRight);

    const SelectedObject font(hDC, m_font.Get());
    ::SetTextAlign(hDC, TA_LEFT | TA_TOP);
    ::SetBkMode(hDC, TRANSPARENT);
    const GdiObject<HPEN> markPen(::CreatePen(PS_SOLID, 1, ColourOf(kDropDownHighlightedText)));
    const SelectedObject pen(hDC, markPen.Get());
    for (int row = 0; row < RowCount(); ++row) {
        if (row == m_nCurSel)
            DrawHighlightedRow(hDC, row, client);
        else
            DrawRowText(hDC, row, kDropDownText);
    }
}

// The band and the delete square run over the right edge of the frame.
void TDropDownDlg::DrawHighlightedRow(HDC hDC, int row, const Rect& client) const
{
    FillSolidRect(hDC, ToRECT(m_layout.HighlightBand(row, client)), kDropDownHighlight);
    if (m_bDeleteHot) FillSolidRect(hDC, ToRECT(m_layout.DeleteSquare(row, client)), kDropDownDeleteHot);
    DrawRowText(hDC, row, kDropDownHighlightedText);
    if (!m_bDeletable) return;
    for (const Segment& line : m_layout.DeleteCross(row, client)) {
        ::MoveToEx(hDC, line.from.x, line.from.y, nullptr);
        ::LineTo(hDC, line.to.x, line.to.y);
    }
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
    const int oldSel = m_nCurSel;
    const bool oldDeleteHot = m_bDeleteHot;
    const Rect client = ClientArea();
    m_nCurSel = m_layout.RowAt({point.x, point.y}, client, RowCount());
    if (m_bDeletable) m_bDeleteHot = m_layout.InDeleteColumn({point.x, point.y}, client);
    if (m_nCurSel != oldSel || m_bDeleteHot != oldDeleteHot) InvalidateRect(nullptr, TRUE);
}

// With the capture, presses outside the popup come here too; they end it without a choice.
void TDropDownDlg::OnLButtonDown(UINT, POINT point)
{
    Default();
    const int row = ChosenRow();
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
    FitToRows();
    InvalidateRect(nullptr, TRUE);
}

BOOL TDropDownDlg::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_KEYDOWN && OnKey(static_cast<UINT>(msg->wParam))) return TRUE;
    return CDialog::PreTranslateMessage(msg);
}

// The keys move the same highlight as the pointer, which Enter then chooses; Delete acts as a press on the
// highlighted row's delete square.
bool TDropDownDlg::OnKey(UINT key)
{
    switch (key) {
    case VK_UP:
    case VK_DOWN:
        m_nCurSel = DropDownLayout::RowAfterStep(m_nCurSel, key == VK_UP ? -1 : 1, RowCount());
        InvalidateRect(nullptr, TRUE);
        return true;
    case VK_DELETE:
        if (m_bDeletable && ChosenRow() != DropDownLayout::kNoRow) DeleteRow(ChosenRow());
        return true;
    default:
        return false;
    }
}

void TDropDownDlg::OnOK()
{
    EndDialog(ChosenRow());
}

void TDropDownDlg::OnCancel()
{
    EndDialog(DropDownLayout::kNoRow);
}
