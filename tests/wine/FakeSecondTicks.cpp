#include "tests/wine/FakeSecondTicks.h"

#include <map>

#include "system/SecondTicks.h"
#include "tests/wine/FakeTime.h"

namespace {
struct WindowTicks {
    UINT running = 0;
    int starts = 0;
    int stops = 0;
};
std::map<HWND, WindowTicks> g_ticks;
UINT g_lastId = 0;
int g_failingStarts = 0;
}  // namespace

UINT StartSecondTicks(HWND target)
{
    if (g_failingStarts > 0) {
        --g_failingStarts;
        return 0;
    }
    WindowTicks& ticks = g_ticks[target];
    ticks.running = ++g_lastId;
    ++ticks.starts;
    return ticks.running;
}

void StopSecondTicks(HWND target, UINT id)
{
    WindowTicks& ticks = g_ticks[target];
    if (ticks.running == id) ticks.running = 0;
    ++ticks.stops;
}

namespace fake_ticks {

UINT Running(HWND target)
{
    return g_ticks[target].running;
}

int StartCount(HWND target)
{
    return g_ticks[target].starts;
}

int StopCount(HWND target)
{
    return g_ticks[target].stops;
}

void FailStarts(int count)
{
    g_failingStarts = count;
}

void Tick(HWND target)
{
    TickAfter(target, 1000);
}

void TickAfter(HWND target, std::uint64_t milliseconds)
{
    const UINT id = Running(target);
    if (!id) return;
    fake_time::AdvanceSteady(milliseconds);
    ::SendMessageW(target, WM_SECOND_TICK, id, 0);
}

void Ticks(HWND target, int count)
{
    for (int i = 0; i < count; ++i) Tick(target);
}

void PostTick(HWND target, UINT id)
{
    ::PostMessageW(target, WM_SECOND_TICK, id, 0);
}

}  // namespace fake_ticks
