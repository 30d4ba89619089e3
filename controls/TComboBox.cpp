#include "controls/TComboBox.h"

#include "controls/DropDownLayout.h"
#include "framework/Gdi.h"
#include "framework/PaintBuffer.h"

namespace {

void DrawChevron(HDC hDC, const std::array<Point, 3>& chevron)
{
    const GdiObject<HPEN> chevronPen(::CreatePen(PS_SOLID, 1, ColourOf(kSelectorChevron)));
    const SelectedObject pen(hDC, chevronPen.Get());
    ::MoveToEx(hDC, chevron[0].x, chevron[0].y, nullptr);
    for (size_t i = 1; i < chevron.size(); ++i) ::LineTo(hDC, chevron[i].x, chevron[i].y);
}

}  // namespace

// clang-format off
BEGIN_MESSAGE_MAP(TComboBox, CWnd)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()
// clang-format on

// The picture covers the whole placeholder, which never paints itself.
void TComboBox::OnPaint()
{
    const PaintBuffer buffer(*this);
    DrawPicture(buffer.GetDC(), GetClientRect());
}

// Shows the confirmed choice, also when the field repaints while the list is open.
void TComboBox::DrawPicture(HDC hDC, const RECT& client) const
{
    FillSolidRect(hDC, client, kSelectorBackground);
    DrawChevron(hDC, m_layout.Chevron({client.left, client.top, client.right, client.bottom}));

    const int row = DropDownLayout::ExistingRowOrNone(GetCurSel(), static_cast<int>(m_dropDown.m_items.size()));
    if (row == DropDownLayout::kNoRow) return;
    const std::wstring& text = m_dropDown.m_items[static_cast<size_t>(row)];
    const SelectedObject font(hDC, m_dropDown.m_font.Get());
    ::SetTextAlign(hDC, TA_LEFT | TA_TOP);
    ::SetBkMode(hDC, TRANSPARENT);
    ::SetTextColor(hDC, ColourOf(kSelectorText));
    const Point origin = m_layout.TextOrigin();
    ::TextOutW(hDC, origin.x, origin.y, text.c_str(), static_cast<int>(text.size()));
}

// The press is not passed on: the placeholder would report it to the dialog as a click.
void TComboBox::OnLButtonDown(UINT, POINT)
{
    const int confirmed = m_dropDown.m_nCurSel;
    PlaceListBelowField();
    const int chosen = RunList();
    m_dropDown.m_nCurSel = chosen < 0 ? confirmed : chosen;
    if (m_dropDown.m_nCurSel != confirmed) InvalidateRect(nullptr, TRUE);
}

void TComboBox::PlaceListBelowField()
{
    const RECT field = GetWindowRect();
    m_dropDown.m_nLeft = field.left;
    m_dropDown.m_nTop = field.bottom;
    m_dropDown.m_nWidth = field.right - field.left;
    m_dropDown.m_bDeletable = false;
}

int TComboBox::RunList()
{
    // The list opens with the current choice highlighted, as it finds it in its m_nCurSel.
    m_nConfirmedSel = m_dropDown.m_nCurSel;
    const int chosen = static_cast<int>(m_dropDown.DoModal());
    m_nConfirmedSel.reset();
    return chosen;
}
