#pragma once
// What time it is: the wall time, as seconds since 1970-01-01 00:00 UTC. Test builds link a time that the test sets.
#include <cstdint>

std::int64_t WallTime();
