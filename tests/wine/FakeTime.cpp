#include "tests/wine/FakeTime.h"

#include "app/Now.h"

namespace {
// 2026-06-15 09:00:00 UTC, a fixed moment for tests that do not set one.
std::int64_t g_now = 1781514000;
}  // namespace

std::int64_t WallTime()
{
    return g_now;
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
}  // namespace fake_time
