#pragma once
// The tests' one-second ticks: nothing ticks by itself; a test delivers ticks when it wants them.
#include <windows.h>

namespace fake_ticks {
// The id of the ticks running for the window, 0 when none run.
UINT Running(HWND target);
// How many times ticks were started and stopped for the window.
int StartCount(HWND target);
int StopCount(HWND target);
// The next starts of ticks fail, as timeSetEvent may when the system has no timers left.
void FailStarts(int count);
// Delivers one tick of the window's running ticks (sent, so it is handled before this returns).
void Tick(HWND target);
void Ticks(HWND target, int count);
// Posts a tick of the ticks with a given id, as one that was already on its way when they stopped.
void PostTick(HWND target, UINT id);
}  // namespace fake_ticks
