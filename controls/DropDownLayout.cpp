#include "controls/DropDownLayout.h"

#include <algorithm>

namespace {

constexpr int kRowHeight = 18;
// Space above the first row and below the last one, together.
constexpr int kMargins = 4;
// The delete square is as wide as a row is high, at 96 dpi.
constexpr int kDeleteColumnWidth = kRowHeight;
constexpr int kHistoryWidth = 60;

// Every vertical position of row i is measured from a = 7 + 18 i.
int RowReference(int row)
{
    return 7 + kRowHeight * row;
}

}  // namespace

DropDownColours DropDownColoursFor(const std::optional<SystemColours>& highContrast)
{
    if (!highContrast) {
        return kDropDownColours;
    }
    const SystemColours& system = *highContrast;
    return {system.window,        system.windowText, system.windowText, system.highlight,
            system.highlightText, system.windowText, system.windowText, system.window};
}

int DropDownLayout::WindowHeight(int rowCount) const
{
    return Scaled(kRowHeight * rowCount + kMargins, m_scale.y);
}

int DropDownLayout::FontHeight() const
{
    return Scaled(16, m_scale.y);
}

int DropDownLayout::HistoryWidth() const
{
    return Scaled(kHistoryWidth, m_scale.x);
}

Point DropDownLayout::TextOrigin(int row) const
{
    return {Scaled(4, m_scale.x), Scaled(RowReference(row) - 3, m_scale.y)};
}

Rect DropDownLayout::HighlightBand(int row, const Rect& client) const
{
    const int left = Scaled(2, m_scale.x);
    return RowSpan(row, left, left + client.Width());
}

Rect DropDownLayout::DeleteSquare(int row, const Rect& client) const
{
    return RowSpan(row, DeleteColumnLeft(client), client.right);
}

std::array<Segment, 2> DropDownLayout::DeleteCross(int row, const Rect& client) const
{
    const int a = RowReference(row);
    const int left = client.right - Scaled(13, m_scale.x);
    const int right = client.right - Scaled(4, m_scale.x);
    return {{
        {{left, Scaled(a, m_scale.y)}, {right, Scaled(a + 9, m_scale.y)}},
        {{left, Scaled(a + 8, m_scale.y)}, {right, Scaled(a - 1, m_scale.y)}},
    }};
}

int DropDownLayout::RowAt(Point point, const Rect& client, int rowCount) const
{
    if (!client.Contains(point)) return kNoRow;
    // Truncation toward zero puts the margin above the first row into row 0.
    const int row = (point.y - Scaled(kMargins, m_scale.y)) / Scaled(kRowHeight, m_scale.y);
    return ExistingRowOrNone(row, rowCount);
}

bool DropDownLayout::InDeleteColumn(Point point, const Rect& client) const
{
    return Rect{DeleteColumnLeft(client), client.top, client.right, client.bottom}.Contains(point);
}

int DropDownLayout::ExistingRowOrNone(int row, int rowCount)
{
    return row >= 0 && row < rowCount ? row : kNoRow;
}

int DropDownLayout::RowAfterStep(int row, int step, int rowCount)
{
    if (rowCount == 0) return kNoRow;
    if (ExistingRowOrNone(row, rowCount) == kNoRow) return step > 0 ? 0 : rowCount - 1;
    return std::clamp(row + step, 0, rowCount - 1);
}

int DropDownLayout::DeleteColumnLeft(const Rect& client) const
{
    return client.right - Scaled(kDeleteColumnWidth, m_scale.x);
}

Rect DropDownLayout::RowSpan(int row, int left, int right) const
{
    const int top = Scaled(RowReference(row) - 5, m_scale.y);
    return {left, top, right, top + Scaled(kRowHeight, m_scale.y)};
}
