#include "panels/ClockTexts.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using Digits = std::array<std::wstring, 4>;

// Patterns that show where each value went; the list's own texts are checked in TextsTest.
TextTable ProbeTexts()
{
    TextTable texts;
    texts.Set(TextId::TimerNotice, L"timer %1:%2");
    texts.Set(TextId::AlarmNotice, L"alarm %1:%2");
    return texts;
}

}  // namespace

TEST(CountDigits, MinutesAndSecondsOfACount)
{
    EXPECT_EQ(CountDigits(0), (Digits{L"0", L"0", L"0", L"0"}));
    EXPECT_EQ(CountDigits(125), (Digits{L"0", L"2", L"0", L"5"}));
    EXPECT_EQ(CountDigits(5999), (Digits{L"9", L"9", L"5", L"9"}));
    EXPECT_EQ(CountDigits(6000), (Digits{L"10", L"0", L"0", L"0"}));
}

TEST(TimerSettingOf, SecondsNoticeAndEntryOfTheDigits)
{
    const TextTable texts = ProbeTexts();
    const TimerSetting quick = TimerSettingOf({L"0", L"1", L"0", L"0"}, texts);
    EXPECT_EQ(quick.seconds, 60);
    EXPECT_EQ(quick.notice, L"timer 01:00");
    EXPECT_EQ(quick.historyEntry, L"01:00");
    EXPECT_EQ(TimerSettingOf({L"9", L"9", L"5", L"9"}, texts).seconds, 5999);
    EXPECT_EQ(TimerSettingOf({L"0", L"0", L"0", L"1"}, texts).seconds, 1);
    EXPECT_EQ(TimerSettingOf({L"0", L"0", L"0", L"0"}, texts).seconds, 0);

    // Only a hand-edited history puts other texts into the digit buttons.
    const TimerSetting odd = TimerSettingOf({L"", L"a", L"", L"7"}, texts);
    EXPECT_EQ(odd.seconds, 7);
    EXPECT_EQ(odd.notice, L"timer a:7");
    EXPECT_EQ(odd.historyEntry, L"a:7");
    EXPECT_EQ(TimerSettingOf({std::wstring(20, L'9'), L"0", L"0", L"0"}, texts).seconds, INT_MAX);
}

TEST(TimeOfDaySettingOf, HourAndMinuteFromTheDigitPairs)
{
    const TimeOfDaySetting setting = TimeOfDaySettingOf({L"0", L"7", L"3", L"0"});
    EXPECT_EQ(setting.hourText, L"07");
    EXPECT_EQ(setting.minuteText, L"30");
    EXPECT_EQ(setting.hour, 7);
    EXPECT_EQ(setting.minute, 30);
    EXPECT_GT(TimeOfDaySettingOf({L"2", L"4", L"0", L"0"}).hour, kHighestHour);
    EXPECT_EQ(TimeOfDaySettingOf({L"2", L"3", L"5", L"9"}).hour, kHighestHour);
}

TEST(AlarmNoticeOf, SameTextAtSetAndAtRestore)
{
    const TextTable texts = ProbeTexts();
    EXPECT_EQ(AlarmNoticeOf(L"07", L"05", texts), L"alarm 07:05");
    EXPECT_EQ(AlarmNoticeOf(7, 5, texts), L"alarm 07:05");
    EXPECT_EQ(AlarmNoticeOf(23, 0, texts), L"alarm 23:00");
    EXPECT_EQ(TwoDigitText(-5), L"-5");
    EXPECT_EQ(TwoDigitText(123), L"123");
}
