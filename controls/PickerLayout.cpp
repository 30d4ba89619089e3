#include "controls/PickerLayout.h"

#include <algorithm>

namespace {

constexpr int kColumns = 3;
// The zero row and three rows of digits.
constexpr int kRows = 4;

// Digit d from 1 to 9 sits in column (d - 1) mod 3 and, below the zero row, in row (d - 1) div 3 + 1.
int ColumnOf(int digit)
{
    return (digit - 1) % kColumns;
}

int RowOf(int digit)
{
    return (digit - 1) / kColumns + 1;
}

}  // namespace

PickerColours PickerColoursFor(const std::optional<SystemColours>& highContrast)
{
    if (!highContrast) {
        return kPickerColours;
    }
    const SystemColours& system = *highContrast;
    return {system.window, system.highlight, system.windowText, system.highlightText, system.grayText};
}

int PickerLayout::OuterWidth() const
{
    return Scaled(56, m_scale.x);
}

int PickerLayout::OuterHeight() const
{
    return Scaled(74, m_scale.y);
}

Rect PickerLayout::CellRect(int digit) const
{
    const int cellWidth = Scaled(kCell, m_scale.x);
    const int cellHeight = Scaled(kCell, m_scale.y);
    if (digit == 0) {
        return {0, 0, Scaled(kColumns * kCell, m_scale.x), cellHeight};
    }
    const int left = ColumnOf(digit) * cellWidth;
    const int top = RowOf(digit) * cellHeight;
    return {left, top, left + cellWidth, top + cellHeight};
}

RectF PickerLayout::HighlightRect(int digit) const
{
    const int inner = kCell - 2;
    if (digit == 0) {
        return {m_scale.x, m_scale.y, (kColumns * kCell - 2) * m_scale.x, inner * m_scale.y};
    }
    return {(ColumnOf(digit) * kCell + 1) * m_scale.x, (RowOf(digit) * kCell + 1) * m_scale.y, inner * m_scale.x,
            inner * m_scale.y};
}

RectF PickerLayout::DigitTextRect(int digit) const
{
    const int textDrop = 2;
    if (digit == 0) {
        return {0.0, textDrop * m_scale.y, kColumns * kCell * m_scale.x, kCell * m_scale.y};
    }
    return {ColumnOf(digit) * kCell * m_scale.x, (RowOf(digit) * kCell + textDrop) * m_scale.y, kCell * m_scale.x,
            kCell * m_scale.y};
}

int PickerLayout::HoverAt(Point client, int maxDigit) const
{
    const int cellWidth = Scaled(kCell, m_scale.x);
    const int cellHeight = Scaled(kCell, m_scale.y);
    const int bandWidth = Scaled(kColumns * kCell, m_scale.x);
    const Rect band{0, 0, bandWidth, Scaled(kRows * kCell, m_scale.y)};
    const Rect zeroRow{0, 0, bandWidth, cellHeight};

    if (!band.Contains(client)) return kNoDigit;
    if (zeroRow.Contains(client)) return 0;

    const int row = (client.y - cellHeight) / cellHeight;
    const int column = std::min(client.x / cellWidth, kColumns - 1);
    const int digit = kColumns * row + column + 1;
    // The last pixel rows of the band lie below the grid where 4 truncated cells are shorter than the truncated
    // band, and give 10 to 12 there.
    return digit > std::min(maxDigit, kHighestDigit) ? kNoDigit : digit;
}

int PickerLayout::HoverAfterArrow(int hover, Arrow arrow, int maxDigit)
{
    if (hover == kNoDigit) return 0;
    int next = hover;
    switch (arrow) {
    case Arrow::Left:
        next = hover - 1;
        break;
    case Arrow::Right:
        next = hover + 1;
        break;
    case Arrow::Up:
        next = hover <= kColumns ? 0 : hover - kColumns;
        break;
    case Arrow::Down:
        next = hover == 0 ? 1 : hover + kColumns;
        break;
    }
    const bool onPicker = next >= 0 && next <= kHighestDigit && next != hover;
    return onPicker && IsAllowedDigit(next, maxDigit) ? next : hover;
}

Rgb PickerLayout::DigitColour(int digit, int maxDigit, bool highlighted, const PickerColours& colours)
{
    if (!IsAllowedDigit(digit, maxDigit)) {
        return colours.disallowedDigit;
    }
    return highlighted ? colours.highlightedDigit : colours.digit;
}
