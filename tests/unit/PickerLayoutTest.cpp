#include "controls/PickerLayout.h"

#include <gtest/gtest.h>

namespace {

constexpr Scale kUnit{1.0, 1.0}, kQuarter{1.25, 1.25}, kHalf{1.5, 1.5}, kWide{1.5, 1.0};
constexpr int kNone = kNoDigit;

}  // namespace

TEST(PickerLayout, OuterSize)
{
    EXPECT_EQ(PickerLayout(kUnit).OuterWidth(), 56);
    EXPECT_EQ(PickerLayout(kUnit).OuterHeight(), 74);
    EXPECT_EQ(PickerLayout(kHalf).OuterWidth(), 84);
    EXPECT_EQ(PickerLayout(kHalf).OuterHeight(), 111);
}

TEST(PickerLayout, HoverAt)
{
    // clang-format off
    struct Case { Scale scale; Point point; int maxDigit; int hover; };
    const Case cases[] = {
        {kUnit, {0, 0}, 9, 0}, {kUnit, {53, 17}, 9, 0},  // the whole top row is 0
        {kUnit, {17, 18}, 9, 1}, {kUnit, {18, 35}, 9, 2}, {kUnit, {36, 18}, 9, 3}, {kUnit, {53, 71}, 9, 9},
        {kUnit, {54, 5}, 9, kNone}, {kUnit, {5, 72}, 9, kNone}, {kUnit, {-1, 5}, 9, kNone}, {kUnit, {5, -1}, 9, kNone},
        {kUnit, {20, 20}, 2, 2}, {kUnit, {40, 20}, 2, kNone}, {kUnit, {20, 40}, 2, kNone},  // grey 3 and 5
        {kUnit, {20, 40}, 5, 5}, {kUnit, {40, 40}, 5, kNone},
        // cw = ch = 22 and a band of 67 x 90: its last two pixel rows lie below the grid.
        {kQuarter, {66, 30}, 9, 3}, {kQuarter, {0, 87}, 9, 7}, {kQuarter, {0, 88}, 9, kNone},
        {kQuarter, {66, 89}, 9, kNone}, {kQuarter, {67, 30}, 9, kNone},
        {kHalf, {26, 27}, 9, 1}, {kHalf, {27, 27}, 9, 2}, {kHalf, {80, 107}, 9, 9}, {kHalf, {81, 0}, 9, kNone},
        {kWide, {40, 17}, 9, 0}, {kWide, {40, 18}, 9, 2}, {kWide, {80, 72}, 9, kNone},
    };
    // clang-format on
    for (const Case& c : cases) {
        EXPECT_EQ(PickerLayout(c.scale).HoverAt(c.point, c.maxDigit), c.hover)
            << "scale " << c.scale.x << "/" << c.scale.y << ", (" << c.point.x << ", " << c.point.y << ")";
    }
}

TEST(PickerLayout, HoverIsAlwaysADigitOrNone)
{
    for (const Scale scale : {kUnit, kQuarter, kHalf, Scale{1.75, 1.25}, Scale{2.25, 1.75}}) {
        const PickerLayout layout(scale);
        for (int y = -2; y < layout.OuterHeight() + 2; ++y) {
            for (int x = -2; x < layout.OuterWidth() + 2; ++x) {
                const int hover = layout.HoverAt({x, y}, 9);
                ASSERT_TRUE(hover >= kNone && hover <= 9)
                    << "scale " << scale.x << "/" << scale.y << ", (" << x << ", " << y << ") gives " << hover;
            }
        }
    }
}

TEST(PickerLayout, CellHighlightAndTextRectangles)
{
    EXPECT_EQ(PickerLayout(kUnit).CellRect(0), (Rect{0, 0, 54, 18}));
    EXPECT_EQ(PickerLayout(kUnit).CellRect(5), (Rect{18, 36, 36, 54}));
    EXPECT_EQ(PickerLayout(kQuarter).CellRect(9), (Rect{44, 66, 66, 88}));

    EXPECT_EQ(PickerLayout(kUnit).HighlightRect(0), (RectF{1, 1, 52, 16}));
    EXPECT_EQ(PickerLayout(kUnit).HighlightRect(5), (RectF{19, 37, 16, 16}));
    EXPECT_EQ(PickerLayout(kHalf).HighlightRect(3), (RectF{55.5, 28.5, 24, 24}));
    EXPECT_EQ(PickerLayout({1.5, 1.25}).HighlightRect(7), (RectF{1.5, 68.75, 24, 20}));

    EXPECT_EQ(PickerLayout(kUnit).DigitTextRect(0), (RectF{0, 2, 54, 18}));
    EXPECT_EQ(PickerLayout(kUnit).DigitTextRect(6), (RectF{36, 38, 18, 18}));
    EXPECT_EQ(PickerLayout(kQuarter).DigitTextRect(9), (RectF{45, 70, 22.5, 22.5}));
    EXPECT_EQ(PickerLayout({1.0, 1.5}).DigitTextRect(8), (RectF{18, 84, 18, 27}));
}

TEST(PickerLayout, DigitsAboveTheMaximumAreGrey)
{
    for (int digit = 0; digit <= 9; ++digit)
        EXPECT_EQ(PickerLayout::DigitColour(digit, 2), digit <= 2 ? kPickerAllowedDigit : kPickerDisallowedDigit);
}

TEST(PickerLayout, ArrowsMoveOverTheAllowedCellsOnly)
{
    using enum Arrow;
    // clang-format off
    struct Case { int hover; Arrow arrow; int maxDigit; int next; };
    const Case cases[] = {
        {kNone, Down, 9, 0}, {kNone, Left, 2, 0},                      // nothing highlighted: 0 first
        {0, Down, 9, 1}, {0, Up, 9, 0}, {0, Left, 9, 0}, {0, Right, 9, 1},
        {1, Left, 9, 0}, {3, Up, 9, 0}, {3, Right, 9, 4}, {5, Down, 9, 8}, {8, Up, 9, 5},
        {9, Right, 9, 9}, {8, Down, 9, 8},                             // off the picker: stays
        {2, Right, 2, 2}, {2, Down, 2, 2}, {1, Down, 2, 1},            // onto grey digits: stays
        {5, Right, 5, 5}, {4, Down, 5, 4}, {5, Up, 5, 2}, {3, Down, 5, 3},
    };
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(PickerLayout::HoverAfterArrow(c.hover, c.arrow, c.maxDigit), c.next)
            << "from " << c.hover << " with arrow " << static_cast<int>(c.arrow) << ", max " << c.maxDigit;
}
