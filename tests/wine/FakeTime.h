#pragma once
// The tests' wall time: it stands where the test puts it.
#include <cstdint>

namespace fake_time {
void Set(std::int64_t now);
void Advance(std::int64_t seconds);
}  // namespace fake_time
