#include "mainpanel/MainRules.h"

#include "app/Texts.h"
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
