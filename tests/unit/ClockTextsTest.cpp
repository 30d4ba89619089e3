#include "panels/ClockTexts.h"

#include "app/Texts.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using Digits = std::array<std::wstring, 4>;

// Spelt out code point by code point, so that a wrong space or colon shows.
const std::wstring kTimerHead = L"\u30BF\u30A4\u30DE\u30FC\uFF1A\u3000";
const std::wstring kTimerTail = L" \u79D2 \u7D4C\u904E\u3057\u307E\u3057\u305F\u3002";
const std::wstring kAlarmHead = L"\u30A2\u30E9\u30FC\u30E0\uFF1A\u3000\u3000";
const std::wstring kWarningHead = L"\u3000\u30003 \u5206\u4EE5\u5185\u306B";

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
    const TimerSetting quick = TimerSettingOf({L"0", L"1", L"0", L"0"});
    EXPECT_EQ(quick.seconds, 60);
    EXPECT_EQ(quick.notice, kTimerHead + L"01 \u5206 00" + kTimerTail);
    EXPECT_EQ(quick.historyEntry, L"01:00");
    EXPECT_EQ(TimerSettingOf({L"9", L"9", L"5", L"9"}).seconds, 5999);
    EXPECT_EQ(TimerSettingOf({L"0", L"0", L"0", L"1"}).seconds, 1);
    EXPECT_EQ(TimerSettingOf({L"0", L"0", L"0", L"0"}).seconds, 0);

    // Only a hand-edited history puts other texts into the digit buttons.
    const TimerSetting odd = TimerSettingOf({L"", L"a", L"", L"7"});
    EXPECT_EQ(odd.seconds, 7);
    EXPECT_EQ(odd.notice, kTimerHead + L"a \u5206 7" + kTimerTail);
    EXPECT_EQ(odd.historyEntry, L"a:7");
    EXPECT_EQ(TimerSettingOf({std::wstring(20, L'9'), L"0", L"0", L"0"}).seconds, INT_MAX);
}

TEST(ClockSettingOf, HourAndMinuteFromTheDigitPairs)
{
    const ClockSetting setting = ClockSettingOf({L"0", L"7", L"3", L"0"});
    EXPECT_EQ(setting.hourText, L"07");
    EXPECT_EQ(setting.minuteText, L"30");
    EXPECT_EQ(setting.hour, 7);
    EXPECT_EQ(setting.minute, 30);
    EXPECT_GT(ClockSettingOf({L"2", L"4", L"0", L"0"}).hour, kHighestHour);
    EXPECT_EQ(ClockSettingOf({L"2", L"3", L"5", L"9"}).hour, kHighestHour);
}

TEST(AlarmNoticeOf, SameTextAtSetAndAtRestore)
{
    const std::wstring expected = kAlarmHead + L"07 \u6642 05 \u5206 \u3067\u3059\u3002";
    EXPECT_EQ(AlarmNoticeOf(L"07", L"05"), expected);
    EXPECT_EQ(AlarmNoticeOf(7, 5), expected);
    EXPECT_EQ(AlarmNoticeOf(23, 0), AlarmNoticeOf(L"23", L"00"));
    EXPECT_EQ(TwoDigitText(-5), L"-5");
    EXPECT_EQ(TwoDigitText(123), L"123");
}

TEST(ShutdownWarningOf, OneWarningPerModeAndNoneOtherwise)
{
    EXPECT_EQ(ShutdownWarningOf(0), kWarningHead + L"\u96FB\u6E90\u3092\u906E\u65AD\u3057\u307E\u3059\u3002");
    EXPECT_EQ(ShutdownWarningOf(1), kWarningHead + L"\u30B9\u30EA\u30FC\u30D7\u3057\u307E\u3059\u3002");
    EXPECT_EQ(ShutdownWarningOf(2), kWarningHead + L"\u4F11\u6B62\u72B6\u614B\u306B\u5165\u308A\u307E\u3059\u3002");
    EXPECT_EQ(ShutdownWarningOf(-1), L"");
    EXPECT_EQ(ShutdownWarningOf(3), L"");
}

TEST(FixedTexts, RefusalsBeginWithAnAsciiSpace)
{
    EXPECT_EQ(std::wstring_view(kRefusalWhileRunning),
              L" \u52D5\u4F5C\u4E2D\u306F\u5909\u66F4\u3067\u304D\u307E\u305B\u3093\u3002");
    EXPECT_EQ(std::wstring_view(kRefusalHourAbove23),
              L" \u6642\u306F 23 \u4EE5\u4E0B\u3092\u8A2D\u5B9A\u3057\u3066\u4E0B\u3055\u3044\u3002");
    EXPECT_EQ(std::wstring_view(kRefusalNoTime),
              L" \u6642\u9593\u3092\u8A2D\u5B9A\u3057\u3066\u4E0B\u3055\u3044\u3002");
}
