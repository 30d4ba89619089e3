#pragma once
// What the main panel's status lines, icon and menu items show for the states of the four clocks.

#include <array>
#include <optional>
#include <string_view>
#include <vector>

struct ClockStates {
    int alarm;
    int timer;
    int counter;
    int shutdown;
};

// The alarm and the power-off are set or not; the timer and the counter can also be paused.
enum class ClockKind { OnOff, Pausable };

struct StatusLine {
    std::wstring_view text;
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
