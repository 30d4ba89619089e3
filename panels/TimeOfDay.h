#pragma once
// Times of day of the alarm and the power-off: targets, remaining time and the stored target text.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A local date and time; months and days count from 1.
struct LocalTime {
    int year;
    int month;
    int day;
    int hour;
    int minute;
    int second;
};

// Both work within 1970-01-01 00:00 UTC to 3000-12-31 23:59:59 UTC, the range of the Windows run-time's
// 64-bit time functions, so that every build gives the same answers.
std::optional<LocalTime> ToLocalTime(std::int64_t t);
// Fields out of their range carry over (day 32 of January is 1 February); daylight saving is determined
// for the resulting date.
std::optional<std::int64_t> FromLocalTime(const LocalTime& local);

// Today's date at hour:minute:00, or tomorrow's when that is earlier than now.
std::optional<std::int64_t> TargetOfTimeOfDay(std::int64_t now, int hour, int minute);

// The distance from the current minute of the day to the target, in seconds.
std::int64_t RemainingSeconds(std::int64_t target, std::int64_t now);

// Whether a power-off that finds its target reached (secs <= 0) must be called off instead of carried out, because
// the time passed while nobody could see it coming: the target minute is over (a whole minute went by without a
// tick), the wall time went back or leapt more than 90 s since the previous tick, or the system resumed from
// sleep or its time was changed in between (disturbed).
bool IsPassedUnseen(std::int64_t secs, std::int64_t previousTick, std::int64_t now, bool disturbed);

// The four remaining-time digits: hour tens and units (hours modulo 24), minute tens and units.
std::array<std::wstring, 4> RemainingDigits(std::int64_t secs);

// A target as stored: its local time as "YYYYMMDDhhmmss"; empty when it has no local time.
std::wstring FormatTargetText(std::int64_t target);
// A stored target; nullopt unless it is 14 ASCII digits naming a real local time that converts.
std::optional<std::int64_t> ParseTargetText(std::wstring_view text);

// The local time of day of a moment, to the minute, as "HH:MM".
std::wstring MinuteOfDayText(std::int64_t t);
