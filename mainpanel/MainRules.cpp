#include "mainpanel/MainRules.h"

#include "app/Texts.h"
#include "panels/ClockTexts.h"
#include "panels/ClockTime.h"
#include "res/resource.h"

std::optional<StatusLine> StatusLineOf(int state, ClockKind kind)
{
    if (state == 0) {
        return StatusLine{kStatusNotSet, false};
    }
    if (state == 1) {
        return StatusLine{kStatusSet, true};
    }
    if (state == 2 && kind == ClockKind::Pausable) {
        return StatusLine{kStatusPaused, true};
    }
    return std::nullopt;
}

std::array<StatusLineRule, 4> StatusLineRules(const ClockStates& states)
{
    return {{
        {IDC_STATUS_ALARM, StatusLineOf(states.alarm, ClockKind::OnOff)},
        {IDC_STATUS_TIMER, StatusLineOf(states.timer, ClockKind::Pausable)},
        {IDC_STATUS_COUNTER, StatusLineOf(states.counter, ClockKind::Pausable)},
        {IDC_STATUS_SHUTDOWN, StatusLineOf(states.shutdown, ClockKind::OnOff)},
    }};
}

bool IsIconActive(const ClockStates& states)
{
    return states.alarm == 1 || states.timer == 1 || states.counter == 1 || states.shutdown == 1;
}

std::vector<MenuItemRule> MenuRules(const ClockStates& states, bool mainShown)
{
    using Kind = MenuItemRule::Kind;
    const bool timerIdle = states.timer == 0;
    // clang-format off
    return {
        {ID_MENU_ALARM, Kind::Check, states.alarm == 1},
        {ID_MENU_TIMER, Kind::Check, states.timer == 1},
        {ID_MENU_COUNTER, Kind::Check, states.counter == 1},
        {ID_MENU_SHUTDOWN, Kind::Check, states.shutdown == 1},
        {ID_MENU_MAINPANEL, Kind::Enable, !mainShown},
        {ID_QUICK_TIMER1, Kind::Enable, timerIdle},
        {ID_QUICK_TIMER3, Kind::Enable, timerIdle},
        {ID_QUICK_TIMER5, Kind::Enable, timerIdle},
        {ID_QUICK_TIMER10, Kind::Enable, timerIdle},
        {ID_QUICK_COUNTER, Kind::Enable, states.counter == 0},
    };
    // clang-format on
}

namespace {

std::wstring MinutesAndSeconds(int seconds)
{
    return TwoDigitText(seconds / 60) + L":" + TwoDigitText(seconds % 60);
}

// A line of a pausable clock: state 1 counts, state 2 is paused; any other state has no line.
void AddCountingLine(std::wstring& tip, int state, const wchar_t* name, int seconds)
{
    if (state != 1 && state != 2) return;
    tip.append(L"\n").append(name).append(MinutesAndSeconds(seconds));
    if (state == 2) tip += kTipPaused;
}

}  // namespace

std::wstring TrayTip(const ClockStates& states, const TipTimes& times)
{
    std::wstring tip = kTrayTip;
    if (states.alarm == 1) tip.append(L"\n").append(kTipAlarm).append(ClockMinuteText(times.alarmTarget));
    AddCountingLine(tip, states.timer, kTipTimer, times.timerSeconds);
    AddCountingLine(tip, states.counter, kTipCounter, times.counterSeconds);
    if (states.shutdown == 1) {
        tip.append(L"\n").append(kTipShutdown).append(ClockMinuteText(times.shutdownTarget));
        if (const std::wstring mode = ShutdownModeOf(times.shutdownMode); !mode.empty())
            tip.append(kTipModeOpen).append(mode).append(kTipModeClose);
    }
    if (tip.size() > kTipLimit) tip.resize(kTipLimit);
    return tip;
}
