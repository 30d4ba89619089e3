#include "panels/TimeOfDay.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <ctime>

namespace {

using Digits = std::array<std::wstring, 4>;

// Each test picks a time zone; the one before is restored afterwards.
class TimeOfDay : public ::testing::Test {
protected:
    void UseZone(const char* zone)
    {
        setenv("TZ", zone, 1);
        tzset();
    }

    void TearDown() override
    {
        if (m_previous) {
            setenv("TZ", m_previous->c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }

    static std::int64_t At(int year, int month, int day, int hour, int minute, int second)
    {
        const std::optional<std::int64_t> t = FromLocalTime({year, month, day, hour, minute, second});
        EXPECT_TRUE(t.has_value());
        return t.value_or(0);
    }
    static std::int64_t May12(int hour, int minute, int second) { return At(2026, 5, 12, hour, minute, second); }

private:
    std::optional<std::string> m_previous =
        std::getenv("TZ") != nullptr ? std::optional<std::string>(std::getenv("TZ")) : std::nullopt;
};

}  // namespace

TEST_F(TimeOfDay, ConvertsBothWaysAndCarriesFieldsOver)
{
    UseZone("Asia/Tokyo");
    EXPECT_EQ(FromLocalTime({2026, 5, 12, 10, 0, 30}), 1778547630);
    const std::optional<LocalTime> local = ToLocalTime(1778547630);
    ASSERT_TRUE(local.has_value());
    EXPECT_EQ(FromLocalTime(*local), 1778547630);
    EXPECT_EQ(FormatTargetText(1778547630), L"20260512100030");
    EXPECT_EQ(FromLocalTime({2026, 1, 32, 0, 0, 0}), At(2026, 2, 1, 0, 0, 0));
    EXPECT_EQ(FromLocalTime({2026, 12, 31, 24, 0, 0}), At(2027, 1, 1, 0, 0, 0));
    EXPECT_EQ(MinuteOfDayText(May12(7, 29, 59)), L"07:29");
}

TEST_F(TimeOfDay, TargetLaterTodayCountsDownByMinuteOfTheDay)
{
    UseZone("Asia/Tokyo");
    const std::int64_t now = May12(10, 0, 30);
    const std::optional<std::int64_t> target = TargetOfTimeOfDay(now, 10, 2);
    ASSERT_EQ(target, May12(10, 2, 0));
    EXPECT_EQ(RemainingSeconds(*target, now), 120);
    EXPECT_EQ(RemainingDigits(120), (Digits{L"0", L"0", L"0", L"2"}));
    EXPECT_EQ(RemainingSeconds(*target, May12(10, 1, 59)), 60);
    EXPECT_EQ(RemainingSeconds(*target, May12(10, 2, 7)), 0);
    EXPECT_EQ(RemainingSeconds(*target, May12(10, 3, 1)), -60);
}

TEST_F(TimeOfDay, PassedTimeOfDayWaitsUntilTomorrowAndEqualOneStays)
{
    UseZone("Asia/Tokyo");
    const std::int64_t now = May12(10, 0, 30);
    const std::optional<std::int64_t> target = TargetOfTimeOfDay(now, 10, 0);
    ASSERT_EQ(target, At(2026, 5, 13, 10, 0, 0));
    EXPECT_EQ(RemainingSeconds(*target, May12(10, 0, 59)), 86400);
    EXPECT_EQ(RemainingDigits(86400), (Digits{L"0", L"0", L"0", L"0"}));
    EXPECT_EQ(RemainingSeconds(*target, May12(10, 1, 0)), 86340);
    EXPECT_EQ(RemainingDigits(86340), (Digits{L"2", L"3", L"5", L"9"}));

    const std::int64_t onTheMinute = May12(10, 0, 0);
    EXPECT_EQ(TargetOfTimeOfDay(onTheMinute, 10, 0), onTheMinute);
    EXPECT_EQ(RemainingSeconds(onTheMinute, onTheMinute), 0);
}

TEST_F(TimeOfDay, TargetAfterMidnightIsOnTheNextDate)
{
    UseZone("Asia/Tokyo");
    const std::int64_t now = May12(23, 30, 0);
    const std::optional<std::int64_t> target = TargetOfTimeOfDay(now, 0, 10);
    ASSERT_EQ(target, At(2026, 5, 13, 0, 10, 0));
    EXPECT_EQ(RemainingDigits(RemainingSeconds(*target, now)), (Digits{L"0", L"0", L"4", L"0"}));
    EXPECT_EQ(TargetOfTimeOfDay(At(2026, 12, 31, 23, 30, 0), 0, 10), At(2027, 1, 1, 0, 10, 0));
    EXPECT_EQ(TargetOfTimeOfDay(At(2028, 2, 28, 12, 0, 0), 7, 0), At(2028, 2, 29, 7, 0, 0));
}

TEST(RemainingDigits, HoursModulo24AndTruncatingDivisionBelowZero)
{
    EXPECT_EQ(RemainingDigits(3600 * 100 + 60 * 7), (Digits{L"0", L"4", L"0", L"7"}));
    EXPECT_EQ(RemainingDigits(-59), (Digits{L"0", L"0", L"0", L"0"}));
    EXPECT_EQ(RemainingDigits(-60), (Digits{L"0", L"0", L"-", L"1"}));
    EXPECT_EQ(RemainingDigits(-3600), (Digits{L"-", L"1", L"0", L"0"}));
    EXPECT_EQ(RemainingDigits(-90000 - 600), (Digits{L"-", L"1", L"-", L"0"}));
}

TEST_F(TimeOfDay, TargetTextNamesARealTimeOrNoTarget)
{
    UseZone("Asia/Tokyo");
    EXPECT_EQ(FormatTargetText(At(2026, 5, 12, 7, 30, 0)), L"20260512073000");
    EXPECT_EQ(ParseTargetText(L"20260512073000"), At(2026, 5, 12, 7, 30, 0));
    EXPECT_EQ(ParseTargetText(L"20240229235959"), At(2024, 2, 29, 23, 59, 59));
    EXPECT_EQ(ParseTargetText(L"20000229000000"), At(2000, 2, 29, 0, 0, 0));
    EXPECT_EQ(ParseTargetText(L"19700101120000"), 3 * 3600);
    // clang-format off
    for (const std::wstring_view text : {
             L"", L"2026051207300", L"202605120730000", L"2026-5-12 0730", L" 20260512073000", L"+2026051207300",
             L"2026051207300\uFF10",
             L"20260012073000", L"20261312073000", L"20260500073000", L"20260532073000",  // month 0, 13; day 0, 32
             L"20260231073000", L"20250229073000", L"21000229073000", L"20260431073000",  // no such day
             L"20260512240000", L"20260512076000", L"20260512073060",                     // hour, minute, second
             L"00000101000000", L"99991231235959",                                        // outside 1970 to 3000
         }) {
        // clang-format on
        EXPECT_FALSE(ParseTargetText(text).has_value()) << testing::PrintToString(std::wstring(text));
    }
}

TEST_F(TimeOfDay, ConvertsOnlyWithinTheWindowsRange)
{
    UseZone("UTC");
    EXPECT_EQ(FromLocalTime({1970, 1, 1, 0, 0, 0}), 0);
    EXPECT_FALSE(FromLocalTime({1969, 12, 31, 23, 59, 59}).has_value());
    EXPECT_EQ(FromLocalTime({3000, 12, 31, 23, 59, 59}), 32535215999);
    EXPECT_FALSE(FromLocalTime({3001, 1, 1, 0, 0, 0}).has_value());
    EXPECT_FALSE(FromLocalTime({INT_MIN, INT_MIN, 1, 0, 0, 0}).has_value());
    EXPECT_FALSE(FromLocalTime({INT_MAX, 12, 31, 23, 59, 59}).has_value());
    EXPECT_TRUE(ToLocalTime(32535215999).has_value());
    EXPECT_FALSE(ToLocalTime(32535216000).has_value());
    EXPECT_FALSE(ToLocalTime(-1).has_value());
    EXPECT_EQ(FormatTargetText(-1), L"");
    EXPECT_EQ(MinuteOfDayText(-1), L"");
    EXPECT_FALSE(TargetOfTimeOfDay(-1, 10, 0).has_value());
    EXPECT_EQ(RemainingSeconds(60, -30), 120);
}

TEST_F(TimeOfDay, TomorrowsTimeOfDayHoldsAcrossDaylightSavingChanges)
{
    UseZone("Europe/Berlin");
    const std::int64_t springEvening = 1774731600;                  // 2026-03-28 22:00 CET
    ASSERT_EQ(TargetOfTimeOfDay(springEvening, 7, 0), 1774760400);  // 07:00 CEST
    EXPECT_EQ(RemainingDigits(RemainingSeconds(1774760400, springEvening)), (Digits{L"0", L"8", L"0", L"0"}));
    EXPECT_EQ(FormatTargetText(1774760400), L"20260329070000");
    EXPECT_EQ(ParseTargetText(L"20260329070000"), 1774760400);
    EXPECT_EQ(TargetOfTimeOfDay(At(2026, 3, 29, 1, 0, 0), 7, 0), 1774760400);

    const std::int64_t autumnEvening = 1792872000;                  // 2026-10-24 22:00 CEST
    ASSERT_EQ(TargetOfTimeOfDay(autumnEvening, 7, 0), 1792908000);  // 07:00 CET
    EXPECT_EQ(RemainingDigits(RemainingSeconds(1792908000, autumnEvening)), (Digits{L"1", L"0", L"0", L"0"}));
    EXPECT_EQ(ParseTargetText(L"20261025070000"), 1792908000);
}

TEST_F(TimeOfDay, FarAheadOfUtc)
{
    // Kiritimati was behind UTC in 1970, so the first day is tried fourteen hours ahead in a fixed zone.
    UseZone("Etc/GMT-14");
    EXPECT_FALSE(FromLocalTime({1970, 1, 1, 12, 0, 0}).has_value());
    EXPECT_FALSE(ParseTargetText(L"19700101120000").has_value());
    EXPECT_EQ(ParseTargetText(L"19700101140000"), 0);

    UseZone("Pacific/Kiritimati");
    const std::int64_t now = May12(10, 0, 30);
    EXPECT_EQ(now, 1778547630 - 5 * 3600);
    ASSERT_EQ(TargetOfTimeOfDay(now, 10, 2), now + 90);
    EXPECT_EQ(RemainingSeconds(now + 90, now), 120);
    EXPECT_EQ(FormatTargetText(now + 90), L"20260512100200");
}

namespace {

TEST(IsPassedUnseen, OnlyATargetReachedInTimeAndSeenComingMayAct)
{
    const std::int64_t now = 1781514000;
    const struct {
        std::int64_t secs, previousTick;
        bool disturbed, passedUnseen;
    } cases[] = {
        {0, now - 1, false, false},      // the first tick of the target minute
        {-59, now - 1, false, false},    // a late tick, still within the target minute
        {-60, now - 1, false, true},     // a whole minute without a tick
        {-36000, now - 1, false, true},  // woken the next morning
        {0, now - 90, false, false},     // a slow tick
        {0, now - 91, false, true},      // the wall time leapt forward past the target
        {0, now + 1, false, true},       // the wall time went back
        {0, now - 1, true, true},        // resumed from sleep or the time was changed
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsPassedUnseen(c.secs, c.previousTick, now, c.disturbed), c.passedUnseen)
            << c.secs << " " << now - c.previousTick << " " << c.disturbed;
}

}  // namespace
