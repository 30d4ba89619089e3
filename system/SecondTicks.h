#pragma once
// The one-second ticks of the countdown timer and the counter. The system calls the periodic timer's callback on a
// thread of its own; the callback only posts the tick, tagged with the id of its ticks, to the panel's window, so
// that every tick is handled on the user-interface thread and never at the same time as another handler.
// Test builds link ticks of their own that come when the test says.
#include <windows.h>

inline constexpr UINT WM_SECOND_TICK = WM_APP + 1;  // wParam: the id of the ticks it belongs to

// Starts periodic ticks that reach the window once a second; returns their id, 0 when none could start.
UINT StartSecondTicks(HWND target);
// Stops the ticks: none of them is delivered afterwards, not even one already on its way.
void StopSecondTicks(HWND target, UINT id);
