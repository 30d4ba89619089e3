#pragma once
// The count of the countdown timer and the counter, taken from the steady time rather than from the number of ticks
// that came, so that late, early or missing ticks (a busy machine, a sleep) do not change what it shows.
#include <cstdint>

// A second counts from this many milliseconds before it is complete: the steady time moves in steps of 10 to 16 ms,
// and a tick may come a little early.
inline constexpr std::uint64_t kSecondLeadMilliseconds = 100;

// The whole seconds counted at the steady time now: those counted before the count was (re)started at startedAt,
// plus the whole seconds since. It never exceeds the largest 32-bit count.
std::int32_t CountedSeconds(std::int32_t before, std::uint64_t startedAt, std::uint64_t now);
