#pragma once
// The tests' one-second clock: nothing ticks by itself; a test delivers ticks when it wants them.
#include <windows.h>

namespace fake_ticks {
// The id of the clock running for the window, 0 when none runs.
UINT RunningClock(HWND target);
// How many clocks were started and stopped for the window.
int StartCount(HWND target);
int StopCount(HWND target);
// The next clocks to start fail, as timeSetEvent may when the system has none left.
void FailStarts(int count);
// Delivers one tick of the window's running clock (sent, so it is handled before this returns).
void Tick(HWND target);
void Ticks(HWND target, int count);
// Posts a tick of a given clock, as one that was already on its way when its clock stopped.
void PostTick(HWND target, UINT id);
}  // namespace fake_ticks
