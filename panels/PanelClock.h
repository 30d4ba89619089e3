#pragma once
// The one-second clock of the countdown timer and the counter, kept together with the state the panel publishes
// in the application object: 0 not set, 1 running (a clock ticks), 2 paused (no clock exists).
#include <windows.h>

#include <cstdint>

// Starts a new clock for the panel, whose ticks then carry the new id; the state becomes 1.
void StartPanelClock(HWND panel, std::uint32_t& clockId, std::int32_t& state);
// Stops a running clock; the state becomes 2.
void PausePanelClock(HWND panel, std::uint32_t clockId, std::int32_t& state);
// Follows the panel's Stop toggle: pressed in pauses the clock, released resumes it with a new clock whose first
// tick comes a full second later.
void FollowStopToggle(HWND panel, bool stopPressedIn, std::uint32_t& clockId, std::int32_t& state);
// Stops a running clock; the state becomes 0.
void StopPanelClock(HWND panel, std::uint32_t clockId, std::int32_t& state);

// A tick counts only when it comes from the clock started last and that clock still runs: a tick already on its
// way when the panel paused, cleared, reset or replaced its clock changes nothing.
bool IsLiveTick(WPARAM tickClockId, std::uint32_t clockId, std::int32_t state);
