#include "mainpanel/MainRules.h"

#include "res/resource.h"

std::optional<StatusLine> StatusLineOf(std::int32_t clockState, ClockKind kind)
{
    if (clockState == state::kIdle) {
        return StatusLine{TextId::StatusNotSet, false};
    }
    if (clockState == state::kRunning) {
        return StatusLine{TextId::StatusSet, true};
    }
    if (clockState == state::kPaused && kind == ClockKind::Pausable) {
        return StatusLine{TextId::StatusPaused, true};
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
    return states.alarm == state::kRunning || states.timer == state::kRunning || states.counter == state::kRunning ||
           states.shutdown == state::kRunning;
}

std::vector<MenuItemRule> MenuRules(const ClockStates& states, bool mainShown)
{
    using Kind = MenuItemRule::Kind;
    const bool timerIdle = states.timer == state::kIdle;
    // clang-format off
    return {
        {ID_MENU_ALARM, Kind::Check, states.alarm == state::kRunning},
        {ID_MENU_TIMER, Kind::Check, states.timer == state::kRunning},
        {ID_MENU_COUNTER, Kind::Check, states.counter == state::kRunning},
        {ID_MENU_SHUTDOWN, Kind::Check, states.shutdown == state::kRunning},
        {ID_MENU_MAINPANEL, Kind::Enable, !mainShown},
        {ID_QUICK_TIMER1, Kind::Enable, timerIdle},
        {ID_QUICK_TIMER3, Kind::Enable, timerIdle},
        {ID_QUICK_TIMER5, Kind::Enable, timerIdle},
        {ID_QUICK_TIMER10, Kind::Enable, timerIdle},
        {ID_QUICK_COUNTER, Kind::Enable, states.counter == state::kIdle},
    };
    // clang-format on
}

std::wstring TrayTip(const std::array<std::optional<std::wstring>, 4>& lines, const TextTable& texts)
{
    std::wstring tip = texts[TextId::ProgramName];
    for (const std::optional<std::wstring>& line : lines) {
        if (line) tip.append(L"\n").append(*line);
    }
    if (tip.size() > kTipLimit) tip.resize(kTipLimit);
    return tip;
}
