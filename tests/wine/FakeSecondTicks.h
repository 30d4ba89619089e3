#pragma once
// The tests' one-second ticks: nothing ticks by itself; a test delivers ticks when it wants them.
#include <windows.h>

#include <cstdint>

namespace fake_ticks {
// The id of the ticks running for the window, 0 when none run.
UINT Running(HWND target);
// How many times ticks were started and stopped for the window.
int StartCount(HWND target);
int StopCount(HWND target);
// The next starts of ticks fail, as timeSetEvent may when the system has no timers left.
void FailStarts(int count);
// A second passes on the steady time and the window's running ticks deliver one (sent, so that it is handled before
// this returns); nothing happens when none run.
void Tick(HWND target);
// The same after another time: a late tick (more than 1000 ms) or an early one (less).
void TickAfter(HWND target, std::uint64_t milliseconds);
void Ticks(HWND target, int count);
// Posts a tick of the ticks with a given id, as one that was already on its way when they stopped.
void PostTick(HWND target, UINT id);
}  // namespace fake_ticks
