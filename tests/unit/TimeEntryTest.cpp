#include "controls/Digits.h"
#include "panels/TimeEntry.h"

#include <gtest/gtest.h>

#include <climits>

using Digits = std::array<std::wstring, 4>;

TEST(ParseLeadingInt, ReadsLikeWtoi)
{
    EXPECT_EQ(ParseLeadingInt(L"07"), 7);
    EXPECT_EQ(ParseLeadingInt(L"\t\n\v\f\r 42x7"), 42);
    EXPECT_EQ(ParseLeadingInt(L"-7"), -7);
    EXPECT_EQ(ParseLeadingInt(L"+8"), 8);
    for (const std::wstring_view none : {L"", L"abc", L"-", L"- 5", L"+-5", L"\uFF17"}) {
        EXPECT_EQ(ParseLeadingInt(none), 0) << testing::PrintToString(std::wstring(none));
    }
    EXPECT_EQ(ParseLeadingInt(L"2147483647"), INT_MAX);
    EXPECT_EQ(ParseLeadingInt(L"2147483648"), INT_MAX);
    EXPECT_EQ(ParseLeadingInt(L"-2147483648"), INT_MIN);
    EXPECT_EQ(ParseLeadingInt(L"-2147483649"), INT_MIN);
    EXPECT_EQ(ParseLeadingInt(L"-" + std::wstring(1000, L'9')), INT_MIN);
}

TEST(PresetEntry, NextUpcomingIsStrictlyAfterTheMinuteOfTheDayElseTheEarliest)
{
    const HistoryList alarm{L"08:15", L"06:00", L"07:30"};
    EXPECT_EQ(PresetEntry(alarm, PresetRule::NextUpcoming, L"07:29"), L"07:30");
    EXPECT_EQ(PresetEntry(alarm, PresetRule::NextUpcoming, L"07:30"), L"08:15");
    EXPECT_EQ(PresetEntry(alarm, PresetRule::NextUpcoming, L"23:59"), L"06:00");

    const HistoryList shutdown{L"13:00", L"08:00", L"12:00"};
    EXPECT_EQ(PresetEntry(shutdown, PresetRule::NextUpcoming, L"12:00"), L"13:00");
    EXPECT_EQ(PresetEntry(shutdown, PresetRule::NextUpcoming, L"14:00"), L"08:00");
}

TEST(PresetEntry, MostRecentIsTheHeadAndAnEmptyHistoryGivesNothing)
{
    EXPECT_EQ(PresetEntry({L"10:00", L"03:00"}, PresetRule::MostRecent, L"02:00"), L"10:00");
    EXPECT_FALSE(PresetEntry({}, PresetRule::NextUpcoming, L"07:00").has_value());
    EXPECT_FALSE(PresetEntry({}, PresetRule::MostRecent, L"07:00").has_value());
}

TEST(DigitsOfEntry, CharactersAroundTheSeparatorAndBack)
{
    EXPECT_EQ(DigitsOfEntry(L"07:30"), (Digits{L"0", L"7", L"3", L"0"}));
    EXPECT_EQ(DigitsOfEntry(L"123456"), (Digits{L"1", L"2", L"4", L"5"}));
    EXPECT_EQ(DigitsOfEntry(L"7:3"), (Digits{L"7", L":", L"", L""}));
    EXPECT_EQ(DigitsOfEntry(L""), (Digits{L"", L"", L"", L""}));
    EXPECT_EQ(EntryOfDigits({L"0", L"5", L"0", L"0"}), L"05:00");
    EXPECT_EQ(EntryOfDigits({L"", L"a", L"", L""}), L"a:");
}

TEST(FocusAfter, TypingGoesOnToSetAndTheArrowsStayOnTheDigits)
{
    // clang-format off
    struct Case { FieldMove move; std::size_t from, to; };
    const Case cases[] = {
        {FieldMove::Typed, 0, 1}, {FieldMove::Typed, 2, 3}, {FieldMove::Typed, 3, kSetPosition},
        {FieldMove::Right, 0, 1}, {FieldMove::Right, 3, 3},
        {FieldMove::Left, 2, 1}, {FieldMove::Left, 0, 0},
        {FieldMove::Back, 3, 2}, {FieldMove::Back, 0, 0},
    };
    // clang-format on
    for (const Case& c : cases) EXPECT_EQ(FocusAfter(c.move, c.from), c.to) << "from " << c.from;
}

TEST(TimeEntry, DigitKeysAreTheMainRowAndTheKeypadAndDigitsUpToTheHighestAreAllowed)
{
    EXPECT_EQ(DigitOfKey(0x30), 0);
    EXPECT_EQ(DigitOfKey(0x39), 9);
    EXPECT_EQ(DigitOfKey(0x60), 0);
    EXPECT_EQ(DigitOfKey(0x67), 7);
    for (const unsigned other : {0x2Fu, 0x3Au, 0x41u, 0x5Fu, 0x6Au, 0x25u})
        EXPECT_EQ(DigitOfKey(other), kNoDigit) << other;
    for (int digit = 0; digit <= 9; ++digit) {
        EXPECT_EQ(IsAllowedDigit(digit, 5), digit <= 5);
        EXPECT_TRUE(IsAllowedDigit(digit, 9));
    }
    EXPECT_TRUE(IsAllowedDigit(0, -1));
}
