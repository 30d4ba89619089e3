#pragma once
// What time it is: the wall time, which the alarm and the power-off compare their targets with, and the steady time,
// which the timer and the counter count by. Test builds link times that the test sets.
#include <cstdint>

// Seconds since 1970-01-01 00:00 UTC, as the system's clock says.
std::int64_t WallTime();
// Milliseconds since the system started, counting on while it sleeps or hibernates and unmoved by changes of the wall
// time (GetTickCount64).
std::uint64_t SteadyTime();
