#include "tests/wine/FakeSecondTicks.h"

#include <map>

#include "panels/SecondTicks.h"

namespace {
struct WindowClocks {
    UINT running = 0;
    int starts = 0;
    int stops = 0;
};
std::map<HWND, WindowClocks> g_clocks;
UINT g_lastId = 0;
int g_failingStarts = 0;
}  // namespace

UINT StartSecondTicks(HWND target)
{
    if (g_failingStarts > 0) {
        --g_failingStarts;
        return 0;
    }
    WindowClocks& clocks = g_clocks[target];
    clocks.running = ++g_lastId;
    ++clocks.starts;
    return clocks.running;
}

void StopSecondTicks(HWND target, UINT id)
{
    WindowClocks& clocks = g_clocks[target];
    if (clocks.running == id) clocks.running = 0;
    ++clocks.stops;
}

namespace fake_ticks {

UINT RunningClock(HWND target)
{
    return g_clocks[target].running;
}

int StartCount(HWND target)
{
    return g_clocks[target].starts;
}

int StopCount(HWND target)
{
    return g_clocks[target].stops;
}

void FailStarts(int count)
{
    g_failingStarts = count;
}

void Tick(HWND target)
{
    if (const UINT id = RunningClock(target)) ::SendMessageW(target, WM_SECOND_TICK, id, 0);
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
