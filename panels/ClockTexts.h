#pragma once
// The digits, notices and tip lines the clocks build from their times.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/Clocks.h"
#include "app/Texts.h"

// A number as "%02d" prints it.
std::wstring TwoDigitText(int value);

// The timer's and the counter's four display digits of a number of seconds: tens of minutes (which may run
// past 9), minutes, tens of seconds, seconds.
std::array<std::wstring, 4> CountDigits(int seconds);

// What the timer's Set reads from its four digit texts; 0 seconds means Set is refused.
struct TimerSetting {
    int seconds;
    std::wstring notice;
    std::wstring historyEntry;
};
TimerSetting TimerSettingOf(const std::array<std::wstring, 4>& digits, const TextTable& texts);

// The highest hour the alarm's and the power-off's Set accept.
inline constexpr int kHighestHour = 23;

// What the alarm's and the power-off's Set read from their four digit texts.
struct TimeOfDaySetting {
    std::wstring hourText;
    std::wstring minuteText;
    int hour;
    int minute;
};
TimeOfDaySetting TimeOfDaySettingOf(const std::array<std::wstring, 4>& digits);

// The alarm's notice from the digit texts at Set, and from the numbers of a restored target.
std::wstring AlarmNoticeOf(std::wstring_view hourText, std::wstring_view minuteText, const TextTable& texts);
std::wstring AlarmNoticeOf(int hour, int minute, const TextTable& texts);

// The icon's tip line of a clock that is set, none for one that is not: its name and the time of day it rings or acts
// at, the time left on the timer or the time counted (marked while paused), the power-off with its mode where the
// selector's index names one.
std::optional<std::wstring> AlarmTipLine(std::int32_t clockState, std::int64_t target, const TextTable& texts);
std::optional<std::wstring> CountingTipLine(std::int32_t clockState, TextId name, int seconds, const TextTable& texts);
std::optional<std::wstring> ShutdownTipLine(std::int32_t clockState, std::int64_t target, int modeIndex,
                                            const TextTable& texts);
