#include "controls/DropDownLayout.h"

#include <gtest/gtest.h>

namespace {

constexpr Scale kUnit{1.0, 1.0}, kQuarter{1.25, 1.25}, kHalf{1.5, 1.5}, kWide{1.5, 1.0};
constexpr int kNone = DropDownLayout::kNoRow;

// The client area of a popup of the given width, sized for rowCount rows.
Rect ClientFor(const DropDownLayout& layout, int width, int rowCount)
{
    return {0, 0, width, layout.WindowHeight(rowCount)};
}

}  // namespace

TEST(DropDownLayout, WindowHeightAndFont)
{
    EXPECT_EQ(DropDownLayout(kUnit).WindowHeight(3), 58);
    EXPECT_EQ(DropDownLayout(kQuarter).WindowHeight(3), 72);
    EXPECT_EQ(DropDownLayout(kHalf).WindowHeight(3), 87);
    EXPECT_EQ(DropDownLayout(kQuarter).WindowHeight(0), 5);  // the empty list's strip
    EXPECT_EQ(DropDownLayout(kHalf).FontHeight(), 24);
}

TEST(DropDownLayout, HistoryWidthScalesAcross)
{
    EXPECT_EQ(DropDownLayout(kUnit).HistoryWidth(), 60);
    EXPECT_EQ(DropDownLayout(kQuarter).HistoryWidth(), 75);
    EXPECT_EQ(DropDownLayout(kHalf).HistoryWidth(), 90);
    EXPECT_EQ(DropDownLayout({1.0, 1.5}).HistoryWidth(), 60);
}

TEST(DropDownLayout, RowAt)
{
    const DropDownLayout unit(kUnit), quarter(kQuarter), wide(kWide);
    const Rect unitClient = ClientFor(unit, 60, 3), quarterClient = ClientFor(quarter, 60, 3);
    // The margin above the first row counts as row 0.
    EXPECT_EQ(unit.RowAt({10, 0}, unitClient, 3), 0);
    EXPECT_EQ(unit.RowAt({10, 3}, unitClient, 3), 0);
    EXPECT_EQ(unit.RowAt({10, 21}, unitClient, 3), 0);
    EXPECT_EQ(unit.RowAt({10, 22}, unitClient, 3), 1);
    EXPECT_EQ(unit.RowAt({60, 10}, unitClient, 3), kNone);
    EXPECT_EQ(unit.RowAt({10, 58}, unitClient, 3), kNone);
    // 22-pixel rows from y 5 in a 72-pixel window: y 71 would be row 3.
    EXPECT_EQ(quarter.RowAt({10, 70}, quarterClient, 3), 2);
    EXPECT_EQ(quarter.RowAt({10, 71}, quarterClient, 3), kNone);
    EXPECT_EQ(wide.RowAt({10, 22}, ClientFor(wide, 90, 3), 3), 1);
}

TEST(DropDownLayout, RowAtNeverLeavesTheListAtAnyScale)
{
    for (const Scale scale : {kUnit, kQuarter, kHalf, Scale{1.25, 1.75}, Scale{1.0, 2.25}}) {
        const DropDownLayout layout(scale);
        for (int rows = 0; rows <= 6; ++rows) {
            const Rect client = ClientFor(layout, 60, rows);
            for (int y = -2; y < client.bottom + 2; ++y) {
                const int row = layout.RowAt({30, y}, client, rows);
                ASSERT_TRUE(row == kNone || (row >= 0 && row < rows))
                    << "scale " << scale.y << ", " << rows << " rows, y " << y << " gives " << row;
            }
        }
    }
}

TEST(DropDownLayout, DeletingTheLastHighlightedRowLeavesNoRow)
{
    EXPECT_EQ(DropDownLayout::ExistingRowOrNone(3, 3), kNone);
    EXPECT_EQ(DropDownLayout::ExistingRowOrNone(1, 3), 1);
    EXPECT_EQ(DropDownLayout::ExistingRowOrNone(0, 0), kNone);
    EXPECT_EQ(DropDownLayout::ExistingRowOrNone(kNone, 3), kNone);
}

TEST(DropDownLayout, RowGeometry)
{
    const DropDownLayout unit(kUnit), quarter(kQuarter), wide(kWide);
    EXPECT_EQ(unit.TextOrigin(2), (Point{4, 40}));
    EXPECT_EQ(unit.HighlightBand(1, {0, 0, 60, 76}), (Rect{2, 20, 62, 38}));
    EXPECT_EQ(unit.DeleteSquare(1, {0, 0, 60, 76}), (Rect{42, 20, 60, 38}));
    // Row 2 is measured from a = 43.
    EXPECT_EQ(quarter.TextOrigin(2), (Point{5, 50}));
    EXPECT_EQ(quarter.HighlightBand(2, {0, 0, 75, 72}), (Rect{2, 47, 77, 69}));
    EXPECT_EQ(quarter.DeleteSquare(2, {0, 0, 75, 72}), (Rect{53, 47, 75, 69}));
    EXPECT_EQ(wide.DeleteSquare(1, {0, 0, 90, 58}), (Rect{63, 20, 90, 38}));
}

TEST(DropDownLayout, DeleteCross)
{
    const auto unit = DropDownLayout(kUnit).DeleteCross(0, {0, 0, 60, 58});
    EXPECT_EQ(unit[0], (Segment{{47, 7}, {56, 16}}));
    EXPECT_EQ(unit[1], (Segment{{47, 15}, {56, 6}}));
    // Row 1 at 1.5 is measured from a = 25.
    const auto half = DropDownLayout(kHalf).DeleteCross(1, {0, 0, 90, 87});
    EXPECT_EQ(half[0], (Segment{{71, 37}, {84, 51}}));
    EXPECT_EQ(half[1], (Segment{{71, 49}, {84, 36}}));
}

TEST(DropDownLayout, DeleteColumnIsTheRightmostEighteenScaledPixels)
{
    const DropDownLayout unit(kUnit), half(kHalf);
    const Rect client{0, 0, 60, 58};
    EXPECT_FALSE(unit.InDeleteColumn({41, 30}, client));
    EXPECT_TRUE(unit.InDeleteColumn({42, 30}, client));
    EXPECT_FALSE(unit.InDeleteColumn({60, 30}, client));
    EXPECT_FALSE(half.InDeleteColumn({62, 30}, {0, 0, 90, 87}));
    EXPECT_TRUE(half.InDeleteColumn({63, 30}, {0, 0, 90, 87}));
}

TEST(DropDownLayout, UpAndDownStayWithinTheList)
{
    // clang-format off
    struct Case { int row, step, rowCount, next; };
    const Case cases[] = {
        {kNone, 1, 3, 0}, {kNone, -1, 3, 2},   // nothing highlighted
        {0, 1, 3, 1}, {2, 1, 3, 2}, {1, -1, 3, 0}, {0, -1, 3, 0},
        {3, 1, 3, 0},                           // a row past the end after a deletion counts as none
        {kNone, 1, 0, kNone}, {kNone, -1, 0, kNone},
    };
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(DropDownLayout::RowAfterStep(c.row, c.step, c.rowCount), c.next) << c.row << " " << c.step;
}
