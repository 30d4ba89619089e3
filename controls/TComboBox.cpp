#include "controls/TComboBox.h"

#include <optional>

#include "controls/DropDownLayout.h"
#include "framework/Gdi.h"
#include "framework/PaintBuffer.h"
#include "system/HighContrast.h"

namespace {

void DrawChevron(HDC hDC, const std::array<Point, 3>& chevron, Rgb colour)
{
    const GdiObject<HPEN> chevronPen(::CreatePen(PS_SOLID, 1, ColourOf(colour)));
    const SelectedObject pen(hDC, chevronPen.Get());
    ::MoveToEx(hDC, chevron[0].x, chevron[0].y, nullptr);
    for (size_t i = 1; i < chevron.size(); ++i) ::LineTo(hDC, chevron[i].x, chevron[i].y);
}

std::optional<SelectorKey> SelectorKeyOf(WPARAM key)
{
    switch (key) {
    case VK_UP:
    case VK_LEFT:
        return SelectorKey::Previous;
    case VK_DOWN:
    case VK_RIGHT:
        return SelectorKey::Next;
    case VK_HOME:
        return SelectorKey::First;
    case VK_END:
        return SelectorKey::Last;
    default:
        return std::nullopt;
    }
}

}  // namespace

// clang-format off
BEGIN_MESSAGE_MAP(TComboBox, CWnd)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_MESSAGE(WM_GETDLGCODE, OnGetDlgCode)
    ON_MESSAGE(WM_KEYDOWN, OnKeyDown)
    ON_MESSAGE(WM_SYSKEYDOWN, OnSysKeyDown)
    ON_MESSAGE(WM_SETFOCUS, OnFocusChange)
    ON_MESSAGE(WM_KILLFOCUS, OnFocusChange)
END_MESSAGE_MAP()
// clang-format on

TComboBox::TComboBox(Scale scale, const std::wstring& name) : m_dropDown(scale), m_layout(scale), m_strName(name)
{
    m_dropDown.m_strName = name;
}

// The picture covers the whole placeholder, which never paints itself.
void TComboBox::OnPaint()
{
    const PaintBuffer buffer(*this);
    DrawPicture(buffer.GetDC(), GetClientRect());
}

// Shows the confirmed choice, also when the field repaints while the list is open; with the focus, a focus rectangle
// inside the field.
void TComboBox::DrawPicture(HDC hDC, const RECT& client) const
{
    const SelectorColours colours = SelectorColoursFor(HighContrastColours());
    FillSolidRect(hDC, client, colours.background);
    DrawChevron(hDC, m_layout.Chevron({client.left, client.top, client.right, client.bottom}), colours.chevron);
    if (::GetFocus() == m_hWnd) {
        RECT inside = client;
        ::InflateRect(&inside, -1, -1);
        ::DrawFocusRect(hDC, &inside);
    }

    const int row = DropDownLayout::ExistingRowOrNone(GetCurSel(), RowCount());
    if (row == DropDownLayout::kNoRow) return;
    const std::wstring& text = m_dropDown.m_items[static_cast<size_t>(row)];
    const SelectedObject font(hDC, m_dropDown.m_font.Get());
    ::SetTextAlign(hDC, TA_LEFT | TA_TOP);
    ::SetBkMode(hDC, TRANSPARENT);
    ::SetTextColor(hDC, ColourOf(colours.text));
    const Point origin = m_layout.TextOrigin();
    ::TextOutW(hDC, origin.x, origin.y, text.c_str(), static_cast<int>(text.size()));
}

// The press is not passed on: the placeholder would report it to the dialog as a click.
void TComboBox::OnLButtonDown(UINT, POINT)
{
    OpenList();
}

LRESULT TComboBox::OnKeyDown(WPARAM key, LPARAM)
{
    if (key == VK_F4) {
        OpenList();
    } else if (const std::optional<SelectorKey> step = SelectorKeyOf(key)) {
        Choose(SelectorLayout::ChoiceAfter(m_dropDown.m_nCurSel, *step, RowCount()));
    } else {
        return Default();
    }
    return 0;
}

LRESULT TComboBox::OnSysKeyDown(WPARAM key, LPARAM)
{
    if (key != VK_DOWN) return Default();
    OpenList();
    return 0;
}

LRESULT TComboBox::OnFocusChange(WPARAM, LPARAM)
{
    InvalidateRect(nullptr, FALSE);
    return Default();
}

void TComboBox::OpenList()
{
    const int confirmed = m_dropDown.m_nCurSel;
    PlaceListBelowField();
    // The list opens with the current choice highlighted, as it finds it in its m_nCurSel.
    m_nConfirmedSel = confirmed;
    NotifyAccessibleEvent(m_hWnd, EVENT_OBJECT_STATECHANGE);
    const int chosen = static_cast<int>(m_dropDown.DoModal());
    m_nConfirmedSel.reset();
    NotifyAccessibleEvent(m_hWnd, EVENT_OBJECT_STATECHANGE);
    m_dropDown.m_nCurSel = confirmed;
    if (chosen >= 0) Choose(chosen);
}

void TComboBox::Choose(int row)
{
    if (row == m_dropDown.m_nCurSel) return;
    m_dropDown.m_nCurSel = row;
    InvalidateRect(nullptr, TRUE);
    NotifyAccessibleEvent(m_hWnd, EVENT_OBJECT_VALUECHANGE);
}

void TComboBox::PlaceListBelowField()
{
    const RECT field = GetWindowRect();
    m_dropDown.m_nLeft = field.left;
    m_dropDown.m_nTop = field.bottom;
    m_dropDown.m_nWidth = field.right - field.left;
    m_dropDown.m_bDeletable = false;
}

std::optional<std::wstring> TComboBox::AccessibleName(long) const
{
    return m_strName;
}

std::optional<std::wstring> TComboBox::AccessibleValue(long) const
{
    const int row = DropDownLayout::ExistingRowOrNone(GetCurSel(), RowCount());
    if (row == DropDownLayout::kNoRow) return std::nullopt;
    return m_dropDown.m_items[static_cast<size_t>(row)];
}

std::optional<long> TComboBox::AccessibleRole(long) const
{
    return ROLE_SYSTEM_COMBOBOX;
}

std::optional<long> TComboBox::AccessibleState(long) const
{
    long state = STATE_SYSTEM_FOCUSABLE | (m_nConfirmedSel ? STATE_SYSTEM_EXPANDED : STATE_SYSTEM_COLLAPSED);
    if (::GetFocus() == m_hWnd) state |= STATE_SYSTEM_FOCUSED;
    return state;
}
