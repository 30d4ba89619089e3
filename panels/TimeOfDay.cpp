#include "panels/TimeOfDay.h"

#include "panels/ClockTexts.h"
#include "panels/TimeEntry.h"

#include <climits>
#include <ctime>

namespace {

constexpr std::int64_t kLatestTime = 32535215999;  // 3000-12-31 23:59:59 UTC

bool IsInRange(std::int64_t t)
{
    return t >= 0 && t <= kLatestTime;
}

bool BreakDownLocal(std::int64_t t, std::tm& local)
{
#ifdef _WIN32
    const __time64_t time = t;
    return _localtime64_s(&local, &time) == 0;
#else
    const std::time_t time = t;
    return localtime_r(&time, &local) != nullptr;
#endif
}

std::int64_t MakeLocal(std::tm& local)
{
#ifdef _WIN32
    return _mktime64(&local);
#else
    return std::mktime(&local);
#endif
}

// Whether the fields fit a std::tm without overflow.
bool FitsTm(const LocalTime& local)
{
    return local.year >= INT_MIN + 1900 && local.month >= INT_MIN + 1;
}

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsRealTime(const LocalTime& local)
{
    return local.month >= 1 && local.month <= 12 && local.day >= 1 &&
           local.day <= DaysInMonth(local.year, local.month) && local.hour >= 0 && local.hour <= 23 &&
           local.minute >= 0 && local.minute <= 59 && local.second >= 0 && local.second <= 59;
}

}  // namespace

std::optional<LocalTime> ToLocalTime(std::int64_t t)
{
    std::tm local{};
    if (!IsInRange(t) || !BreakDownLocal(t, local)) {
        return std::nullopt;
    }
    return LocalTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

std::optional<std::int64_t> FromLocalTime(const LocalTime& local)
{
    if (!FitsTm(local)) {
        return std::nullopt;
    }
    std::tm fields{};
    fields.tm_year = local.year - 1900;
    fields.tm_mon = local.month - 1;
    fields.tm_mday = local.day;
    fields.tm_hour = local.hour;
    fields.tm_min = local.minute;
    fields.tm_sec = local.second;
    fields.tm_isdst = -1;
    const std::int64_t t = MakeLocal(fields);
    // The run-times signal failure with -1, which is out of range as well.
    if (!IsInRange(t)) {
        return std::nullopt;
    }
    return t;
}

std::optional<std::int64_t> TargetOfTimeOfDay(std::int64_t now, int hour, int minute)
{
    const std::optional<LocalTime> today = ToLocalTime(now);
    if (!today) {
        return std::nullopt;
    }
    LocalTime target{today->year, today->month, today->day, hour, minute, 0};
    const std::optional<std::int64_t> todays = FromLocalTime(target);
    if (todays && *todays >= now) {
        return todays;
    }
    // A calendar day later, so that the time of day holds across a change of daylight saving.
    ++target.day;
    return FromLocalTime(target);
}

std::int64_t RemainingSeconds(std::int64_t target, std::int64_t now)
{
    const std::optional<LocalTime> local = ToLocalTime(now);
    // Outside the convertible range the seconds field is that of UTC.
    const std::int64_t second = local ? local->second : (now % 60 + 60) % 60;
    return target - now + second;
}

bool IsPassedUnseen(std::int64_t secs, std::int64_t previousTick, std::int64_t now, bool disturbed)
{
    constexpr std::int64_t kMinute = 60;
    constexpr std::int64_t kLongestTickGap = 90;
    return disturbed || secs <= -kMinute || now < previousTick || now - previousTick > kLongestTickGap;
}

std::array<std::wstring, 4> RemainingDigits(std::int64_t secs)
{
    const auto hours = static_cast<int>(secs / 3600 - 24 * (secs / 86400));
    const auto minutes = static_cast<int>(secs / 60 - 60 * (secs / 3600));
    const std::wstring hoursText = TwoDigitText(hours);
    const std::wstring minutesText = TwoDigitText(minutes);
    return {hoursText.substr(0, 1), hoursText.substr(hoursText.size() - 1), minutesText.substr(0, 1),
            minutesText.substr(minutesText.size() - 1)};
}

std::wstring FormatTargetText(std::int64_t target)
{
    const std::optional<LocalTime> local = ToLocalTime(target);
    if (!local) {
        return {};
    }
    return std::to_wstring(local->year) + TwoDigitText(local->month) + TwoDigitText(local->day) +
           TwoDigitText(local->hour) + TwoDigitText(local->minute) + TwoDigitText(local->second);
}

std::optional<std::int64_t> ParseTargetText(std::wstring_view text)
{
    if (text.size() != 14 || text.find_first_not_of(L"0123456789") != std::wstring_view::npos) {
        return std::nullopt;
    }
    const auto field = [text](std::size_t first, std::size_t count) {
        return ParseLeadingInt(text.substr(first, count));
    };
    const LocalTime local{field(0, 4), field(4, 2), field(6, 2), field(8, 2), field(10, 2), field(12, 2)};
    if (!IsRealTime(local)) {
        return std::nullopt;
    }
    return FromLocalTime(local);
}

std::wstring MinuteOfDayText(std::int64_t t)
{
    const std::optional<LocalTime> local = ToLocalTime(t);
    if (!local) {
        return {};
    }
    return TwoDigitText(local->hour) + L':' + TwoDigitText(local->minute);
}
