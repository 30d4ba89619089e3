#pragma once
// The program's four clocks and what each is doing: the identities and states that the application object keeps and
// the platform-free rules read.
#include <array>
#include <cstdint>

// The four clocks, in the order of the main panel's status lines.
enum class Clock { Alarm, Timer, Counter, Shutdown };
inline constexpr std::array<Clock, 4> kAllClocks{Clock::Alarm, Clock::Timer, Clock::Counter, Clock::Shutdown};

// What a clock is doing, as the number that the application object keeps for it.
namespace state {
inline constexpr std::int32_t kIdle = 0;     // not set
inline constexpr std::int32_t kRunning = 1;  // counting, or waiting for its time: only this makes the icon active
inline constexpr std::int32_t kPaused = 2;   // set but stopped with Stop (the timer and the counter only)
}  // namespace state

// The states of the four clocks.
struct ClockStates {
    std::int32_t alarm;
    std::int32_t timer;
    std::int32_t counter;
    std::int32_t shutdown;
};
