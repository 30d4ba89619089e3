#include "system/SecondTicks.h"

#include <mmsystem.h>

#include "framework/Report.h"

namespace {
void CALLBACK PostTick(UINT id, UINT, DWORD_PTR target, DWORD_PTR, DWORD_PTR)
{
    ::PostMessageW(reinterpret_cast<HWND>(target), WM_SECOND_TICK, id, 0);
}
}  // namespace

UINT StartSecondTicks(HWND target)
{
    // Resolution 0: the finest the system grants. Killing waits for a callback under way.
    const UINT id = ::timeSetEvent(1000, 0, &PostTick, reinterpret_cast<DWORD_PTR>(target),
                                   TIME_PERIODIC | TIME_CALLBACK_FUNCTION | TIME_KILL_SYNCHRONOUS);
    if (!id) ReportFailure(L"Starting the one-second ticks", Failure::Handled);
    return id;
}

void StopSecondTicks(HWND target, UINT id)
{
    ::timeKillEvent(id);
    // Ticks posted before the kill are dropped here: a window runs one set of ticks at a time.
    MSG pending;
    while (::PeekMessageW(&pending, target, WM_SECOND_TICK, WM_SECOND_TICK, PM_REMOVE)) {
    }
}
