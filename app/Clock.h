#pragma once
// The wall clock, as seconds since 1970-01-01 00:00 UTC. Test builds link a clock that the test sets.
#include <cstdint>

std::int64_t CurrentTime();
