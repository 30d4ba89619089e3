#pragma once
// The tests' wall time and steady time: they stand where the test puts them.
#include <cstdint>

namespace fake_time {
void Set(std::int64_t now);
void Advance(std::int64_t seconds);
// The steady time only moves on, as the fake ticks move it or the test does.
void AdvanceSteady(std::uint64_t milliseconds);
}  // namespace fake_time
