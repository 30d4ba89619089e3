#pragma once
// The one-second clock of the countdown timer and the counter. The system calls the periodic timer's callback
// on a thread of its own; the callback only posts the tick, tagged with its clock's id, to the panel's window,
// so that every tick is handled on the user-interface thread and never at the same time as another handler.
// Test builds link a clock of their own that delivers ticks when the test says.
#include <windows.h>

inline constexpr UINT WM_SECOND_TICK = WM_APP + 1;  // wParam: the id of the clock that ticked

// Starts a periodic clock whose ticks reach the window once a second; returns its id, 0 when none could start.
UINT StartSecondTicks(HWND target);
// Stops the clock: no tick of it is delivered afterwards, not even one already on its way.
void StopSecondTicks(HWND target, UINT id);
