#include "panels/ClockTexts.h"

#include "panels/PowerModes.h"
#include "panels/TimeEntry.h"
#include "panels/TimeOfDay.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cwchar>
#include <iterator>
#include <utility>

std::wstring TwoDigitText(int value)
{
    wchar_t text[16];
    std::swprintf(text, std::size(text), L"%02d", value);
    return text;
}

std::array<std::wstring, 4> CountDigits(int seconds)
{
    return {std::to_wstring(seconds / 600), std::to_wstring(seconds % 600 / 60), std::to_wstring(seconds % 60 / 10),
            std::to_wstring(seconds % 10)};
}

TimerSetting TimerSettingOf(const std::array<std::wstring, 4>& digits, const TextTable& texts)
{
    constexpr std::array<std::int64_t, 4> kWeights{600, 60, 10, 1};
    std::int64_t seconds = 0;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        seconds += kWeights[i] * ParseLeadingInt(digits[i]);
    }
    std::wstring notice = texts.Format(TextId::TimerNotice, digits[0] + digits[1], digits[2] + digits[3]);
    return {static_cast<int>(std::clamp<std::int64_t>(seconds, INT_MIN, INT_MAX)), std::move(notice),
            EntryOfDigits(digits)};
}

TimeOfDaySetting TimeOfDaySettingOf(const std::array<std::wstring, 4>& digits)
{
    std::wstring hourText = digits[0] + digits[1];
    std::wstring minuteText = digits[2] + digits[3];
    const int hour = ParseLeadingInt(hourText);
    const int minute = ParseLeadingInt(minuteText);
    return {std::move(hourText), std::move(minuteText), hour, minute};
}

std::wstring AlarmNoticeOf(std::wstring_view hourText, std::wstring_view minuteText, const TextTable& texts)
{
    return texts.Format(TextId::AlarmNotice, hourText, minuteText);
}

std::wstring AlarmNoticeOf(int hour, int minute, const TextTable& texts)
{
    return AlarmNoticeOf(TwoDigitText(hour), TwoDigitText(minute), texts);
}

std::optional<std::wstring> AlarmTipLine(std::int32_t clockState, std::int64_t target, const TextTable& texts)
{
    if (clockState != state::kRunning) {
        return std::nullopt;
    }
    return texts.Format(TextId::TipAlarm, MinuteOfDayText(target));
}

std::optional<std::wstring> CountingTipLine(std::int32_t clockState, TextId name, int seconds, const TextTable& texts)
{
    if (clockState != state::kRunning && clockState != state::kPaused) {
        return std::nullopt;
    }
    const std::wstring line = texts.Format(name, TwoDigitText(seconds / 60) + L":" + TwoDigitText(seconds % 60));
    return clockState == state::kPaused ? texts.Format(TextId::TipPaused, line) : line;
}

std::optional<std::wstring> ShutdownTipLine(std::int32_t clockState, std::int64_t target, int modeIndex,
                                            const TextTable& texts)
{
    if (clockState != state::kRunning) {
        return std::nullopt;
    }
    const std::wstring line = texts.Format(TextId::TipShutdown, MinuteOfDayText(target));
    const std::optional<PowerMode> mode = PowerModeAt(modeIndex);
    return mode ? texts.Format(TextId::TipMode, line, texts[ModeNameOf(*mode)]) : line;
}
