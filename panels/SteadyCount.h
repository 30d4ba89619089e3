#pragma once
// The count of the countdown timer and the counter, taken from the steady time rather than from the number of ticks
// that came, so that late, early or missing ticks (a busy machine, a sleep) do not change what it shows; and where
// each of the two runs out.
#include <cstdint>

// A second counts from this many milliseconds before it is complete: the steady time moves in steps of 10 to 16 ms,
// and a tick may come a little early.
inline constexpr std::uint64_t kSecondLeadMilliseconds = 100;

// The whole seconds counted at the steady time now: those counted before the count was (re)started at startedAt,
// plus the whole seconds since. It never exceeds the largest 32-bit count.
std::int32_t CountedSeconds(std::int32_t before, std::uint64_t startedAt, std::uint64_t now);

// Whether the counter has run out: its count stops at 100 minutes, however late the tick that finds it there.
bool HasCounterRunOut(std::int32_t counted);
// The seconds the timer has left of those it was set to once counted have passed; never below 0, however late the
// tick that finds the time up.
std::int32_t TimerSecondsLeft(std::int32_t setSeconds, std::int32_t counted);
