#pragma once
// What the digit picker and the list popup share for the keyboard and a screen reader: items that the popup draws
// and highlights. A screen reader sees a list, each item a named child, the highlighted one selected and focused, and
// hears of every move of the highlight; a highlight that a key moved shows a focus rectangle, since the highlight
// itself may be faint.
#include <string>

#include "controls/Geometry.h"
#include "controls/PopupDlg.h"
#include "framework/Accessible.h"

class ListPopupDlg : public PopupDlg, private AccessibleInfo {
public:
    // What a screen reader calls the list.
    std::wstring m_strName;

protected:
    using PopupDlg::PopupDlg;

    // Places the popup and tells a screen reader where the highlight is.
    BOOL OnInitDialog() override;
    const AccessibleInfo* Accessible() const override { return this; }

    // The items, by index from 0; -1 is none.
    virtual int ItemCount() const = 0;
    virtual std::wstring ItemName(int item) const = 0;
    // Whether an item may be chosen: the picker's grey digits may not.
    virtual bool IsItemAvailable(int) const { return true; }
    virtual int HighlightedItem() const = 0;
    virtual Rect ItemRect(int item, const Rect& client) const = 0;
    virtual int ItemAt(Point client) const = 0;

    // Whether a WM_MOUSEMOVE at a client point comes from the pointer moving. The system sends one also when a window
    // moves or changes size under a still pointer, which must not take the highlight from the keyboard.
    bool PointerMoved(POINT client);
    // The highlight has moved, by a key or by the pointer: a screen reader hears of it. The caller repaints.
    void HighlightMoved(bool byKey);
    // Items have gone: a screen reader hears of the new order and of the highlight. The caller repaints.
    void ItemsRemoved();
    // The focus rectangle of an item that a key highlighted.
    void DrawKeyboardCue(HDC hDC, int item, const Rect& client) const;
    Rect ClientArea() const;

private:
    void AnnounceHighlight() const;

    long AccessibleChildCount() const override { return ItemCount(); }
    std::optional<std::wstring> AccessibleName(long child) const override;
    std::optional<long> AccessibleRole(long child) const override;
    std::optional<long> AccessibleState(long child) const override;
    std::optional<RECT> AccessibleLocation(long child) const override;
    long AccessibleChildAt(POINT screen) const override;
    long AccessibleFocus() const override;

    bool m_bHighlightByKey = false;
    POINT m_lastPointer{};
};
