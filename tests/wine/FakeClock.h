#pragma once
// The tests' wall clock: it stands where the test puts it.
#include <cstdint>

namespace fake_clock {
void Set(std::int64_t now);
void Advance(std::int64_t seconds);
}  // namespace fake_clock
