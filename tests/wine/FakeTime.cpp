#include "tests/wine/FakeTime.h"

#include "system/Now.h"

namespace {
// 2026-06-15 09:00:00 UTC, a fixed moment for tests that do not set one.
std::int64_t g_now = 1781514000;
// An hour after the system started.
std::uint64_t g_steady = 3600000;
}  // namespace

std::int64_t WallTime()
{
    return g_now;
}

std::uint64_t SteadyTime()
{
    return g_steady;
}

namespace fake_time {
void Set(std::int64_t now)
{
    g_now = now;
}
void Advance(std::int64_t seconds)
{
    g_now += seconds;
}
void AdvanceSteady(std::uint64_t milliseconds)
{
    g_steady += milliseconds;
}
}  // namespace fake_time
