#include "controls/ListPopupDlg.h"

namespace {
// A screen reader numbers the children from 1; the popup its items from 0.
long ChildOf(int item)
{
    return item < 0 ? CHILDID_SELF : item + 1;
}
}  // namespace

BOOL ListPopupDlg::OnInitDialog()
{
    PopupDlg::OnInitDialog();
    ::GetCursorPos(&m_lastPointer);
    // The system tells of the popup's taking the focus; of an item highlighted from the start, it cannot.
    if (HighlightedItem() >= 0) AnnounceHighlight();
    return TRUE;
}

bool ListPopupDlg::PointerMoved(POINT client)
{
    POINT screen = client;
    ::ClientToScreen(m_hWnd, &screen);
    if (screen.x == m_lastPointer.x && screen.y == m_lastPointer.y) return false;
    m_lastPointer = screen;
    return true;
}

void ListPopupDlg::HighlightMoved(bool byKey)
{
    m_bHighlightByKey = byKey;
    AnnounceHighlight();
}

void ListPopupDlg::ItemsRemoved()
{
    NotifyAccessibleEvent(m_hWnd, EVENT_OBJECT_REORDER);
    AnnounceHighlight();
}

// The selection first, then the focus, as a list of the system's announces them.
void ListPopupDlg::AnnounceHighlight() const
{
    const long child = ChildOf(HighlightedItem());
    if (child != CHILDID_SELF) NotifyAccessibleEvent(m_hWnd, EVENT_OBJECT_SELECTION, child);
    NotifyAccessibleEvent(m_hWnd, EVENT_OBJECT_FOCUS, child);
}

void ListPopupDlg::DrawKeyboardCue(HDC hDC, int item, const Rect& client) const
{
    if (!m_bHighlightByKey || item < 0) return;
    const Rect place = ItemRect(item, client);
    RECT inside{place.left, place.top, place.right, place.bottom};
    ::InflateRect(&inside, -1, -1);
    ::DrawFocusRect(hDC, &inside);
}

Rect ListPopupDlg::ClientArea() const
{
    const RECT client = GetClientRect();
    return {client.left, client.top, client.right, client.bottom};
}

std::optional<std::wstring> ListPopupDlg::AccessibleName(long child) const
{
    return child == CHILDID_SELF ? m_strName : ItemName(static_cast<int>(child) - 1);
}

std::optional<long> ListPopupDlg::AccessibleRole(long child) const
{
    return child == CHILDID_SELF ? ROLE_SYSTEM_LIST : ROLE_SYSTEM_LISTITEM;
}

std::optional<long> ListPopupDlg::AccessibleState(long child) const
{
    if (child == CHILDID_SELF) return std::nullopt;
    long state = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;
    if (!IsItemAvailable(static_cast<int>(child) - 1)) state |= STATE_SYSTEM_UNAVAILABLE;
    if (child == ChildOf(HighlightedItem())) state |= STATE_SYSTEM_FOCUSED | STATE_SYSTEM_SELECTED;
    return state;
}

std::optional<RECT> ListPopupDlg::AccessibleLocation(long child) const
{
    const Rect place = ItemRect(static_cast<int>(child) - 1, ClientArea());
    POINT corners[2] = {{place.left, place.top}, {place.right, place.bottom}};
    ::MapWindowPoints(m_hWnd, nullptr, corners, 2);
    return RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

long ListPopupDlg::AccessibleChildAt(POINT screen) const
{
    ::ScreenToClient(m_hWnd, &screen);
    return ChildOf(ItemAt({screen.x, screen.y}));
}

long ListPopupDlg::AccessibleFocus() const
{
    return ChildOf(HighlightedItem());
}
