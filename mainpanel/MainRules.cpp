#include "mainpanel/MainRules.h"

#include "panels/ClockTexts.h"
#include "panels/ClockTime.h"
#include "res/resource.h"

#include <tuple>

std::optional<StatusLine> StatusLineOf(int state, ClockKind kind)
{
    if (state == 0) {
        return StatusLine{TextId::StatusNotSet, false};
    }
    if (state == 1) {
        return StatusLine{TextId::StatusSet, true};
    }
    if (state == 2 && kind == ClockKind::Pausable) {
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

// The line of a pausable clock: state 1 counts, state 2 is paused; any other state has none.
std::wstring CountingLine(const TextTable& texts, int state, TextId name, int seconds)
{
    const std::wstring line = texts.Format(name, MinutesAndSeconds(seconds));
    return state == 2 ? texts.Format(TextId::TipPaused, line) : line;
}

}  // namespace

std::wstring TrayTip(const ClockStates& states, const TipTimes& times, const TextTable& texts)
{
    std::wstring tip = texts[TextId::ProgramName];
    const auto addLine = [&tip](const std::wstring& line) { tip.append(L"\n").append(line); };
    if (states.alarm == 1) addLine(texts.Format(TextId::TipAlarm, ClockMinuteText(times.alarmTarget)));
    for (const auto& [state, name, seconds] : {std::tuple{states.timer, TextId::TipTimer, times.timerSeconds},
                                               std::tuple{states.counter, TextId::TipCounter, times.counterSeconds}}) {
        if (state == 1 || state == 2) addLine(CountingLine(texts, state, name, seconds));
    }
    if (states.shutdown == 1) {
        std::wstring line = texts.Format(TextId::TipShutdown, ClockMinuteText(times.shutdownTarget));
        if (const std::optional<TextId> mode = ShutdownModeOf(times.shutdownMode))
            line = texts.Format(TextId::TipMode, line, texts[*mode]);
        addLine(line);
    }
    if (tip.size() > kTipLimit) tip.resize(kTipLimit);
    return tip;
}
