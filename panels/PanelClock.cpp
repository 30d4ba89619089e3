#include "panels/PanelClock.h"

#include "panels/SecondTicks.h"

void StartPanelClock(HWND panel, std::uint32_t& clockId, std::int32_t& state)
{
    clockId = StartSecondTicks(panel);
    state = 1;
}

void PausePanelClock(HWND panel, std::uint32_t clockId, std::int32_t& state)
{
    if (state == 1) StopSecondTicks(panel, clockId);
    state = 2;
}

void FollowStopToggle(HWND panel, bool stopPressedIn, std::uint32_t& clockId, std::int32_t& state)
{
    if (stopPressedIn)
        PausePanelClock(panel, clockId, state);
    else
        StartPanelClock(panel, clockId, state);
}

void StopPanelClock(HWND panel, std::uint32_t clockId, std::int32_t& state)
{
    if (state == 1) StopSecondTicks(panel, clockId);
    state = 0;
}

bool IsLiveTick(WPARAM tickClockId, std::uint32_t clockId, std::int32_t state)
{
    return tickClockId == clockId && state == 1;
}
