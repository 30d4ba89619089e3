#include "controls/SelectorLayout.h"

#include <gtest/gtest.h>

TEST(SelectorLayout, ChevronAndTextOrigin)
{
    // At unit scale the arms meet ten pixels left of the right edge, twelve below the top.
    const auto unit = SelectorLayout({1.0, 1.0}).Chevron({20, 5, 150, 30});
    EXPECT_EQ(unit[0], (Point{136, 13}));
    EXPECT_EQ(unit[1], (Point{140, 17}));
    EXPECT_EQ(unit[2], (Point{145, 12}));
    const auto mixed = SelectorLayout({1.25, 1.5}).Chevron({0, 0, 100, 27});
    EXPECT_EQ(mixed[0], (Point{83, 12}));
    EXPECT_EQ(mixed[1], (Point{88, 18}));
    EXPECT_EQ(mixed[2], (Point{94, 10}));
    EXPECT_EQ(SelectorLayout({1.0, 1.0}).TextOrigin(), (Point{8, 2}));
    EXPECT_EQ(SelectorLayout({1.25, 1.5}).TextOrigin(), (Point{10, 3}));
}

TEST(SelectorLayout, TheKeysStopAtTheFirstAndTheLastRow)
{
    using enum SelectorKey;
    // clang-format off
    struct Case { int choice; SelectorKey key; int count; int next; };
    const Case cases[] = {
        {0, Next, 3, 1}, {2, Next, 3, 2}, {2, Previous, 3, 1}, {0, Previous, 3, 0},
        {1, First, 3, 0}, {1, Last, 3, 2},
        {-1, Next, 3, 0}, {7, Previous, 3, 2},   // a choice that names no row
        {1, Next, 0, 1}, {1, Last, 0, 1},        // no rows: the choice stays
    };
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(SelectorLayout::ChoiceAfter(c.choice, c.key, c.count), c.next)
            << c.choice << " " << static_cast<int>(c.key) << " " << c.count;
}
