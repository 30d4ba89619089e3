#pragma once
// What the main panel's status lines, icon and menu items show for the states of the four clocks.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/Texts.h"

struct ClockStates {
    int alarm;
    int timer;
    int counter;
    int shutdown;
};

// The alarm and the power-off are set or not; the timer and the counter can also be paused.
enum class ClockKind { OnOff, Pausable };

struct StatusLine {
    TextId text;
    bool enabled;
};

// The line for a state; nullopt for a state the kind does not have, which leaves the line as it is.
std::optional<StatusLine> StatusLineOf(int state, ClockKind kind);

struct StatusLineRule {
    unsigned id = 0;
    std::optional<StatusLine> line;
};

// The four status controls with their lines, in the order alarm, timer, counter, power-off.
std::array<StatusLineRule, 4> StatusLineRules(const ClockStates& states);

// Only a clock that runs or waits (state 1) makes the icon active; a paused one does not.
bool IsIconActive(const ClockStates& states);

struct MenuItemRule {
    enum class Kind { Check, Enable };
    unsigned id;
    Kind kind;
    bool on;
};

// How each rule-bound menu command is shown when a menu opens: checked or not, enabled or greyed.
std::vector<MenuItemRule> MenuRules(const ClockStates& states, bool mainShown);

// What the icon's tip tells of the clocks that are set.
struct TipTimes {
    std::int64_t alarmTarget;     // the moment the alarm rings
    int timerSeconds;             // left on the timer
    int counterSeconds;           // counted by the counter
    std::int64_t shutdownTarget;  // the moment of the power-off
    int shutdownMode;             // the power-off's confirmed mode, by the selector's item index
};

// The tip holds at most this many characters; the notification area takes no more.
inline constexpr std::size_t kTipLimit = 127;

// The program's name, and a line for each clock that is set, in the order alarm, timer, counter, power-off: its
// name and its time (the alarm's and the power-off's clock time, the time left on the timer, the time counted),
// the paused ones marked, the power-off with its mode.
std::wstring TrayTip(const ClockStates& states, const TipTimes& times, const TextTable& texts);
