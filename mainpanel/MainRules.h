#pragma once
// What the main panel's status lines, icon and menu items show for the states of the four clocks.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/Clocks.h"
#include "app/Texts.h"

// The alarm and the power-off are set or not; the timer and the counter can also be paused.
enum class ClockKind { OnOff, Pausable };

struct StatusLine {
    TextId text;
    bool enabled;
};

// The line for a state; nullopt for a state the kind does not have, which leaves the line as it is.
std::optional<StatusLine> StatusLineOf(std::int32_t clockState, ClockKind kind);

struct StatusLineRule {
    unsigned id = 0;
    std::optional<StatusLine> line;
};

// The four status controls with their lines, in the order alarm, timer, counter, power-off.
std::array<StatusLineRule, 4> StatusLineRules(const ClockStates& states);

// Only a clock that runs or waits makes the icon active; a paused one does not.
bool IsIconActive(const ClockStates& states);

struct MenuItemRule {
    enum class Kind { Check, Enable };
    unsigned id;
    Kind kind;
    bool on;
};

// How each rule-bound menu command is shown when a menu opens: checked or not, enabled or greyed.
std::vector<MenuItemRule> MenuRules(const ClockStates& states, bool mainShown);

// The tip holds at most this many characters; the notification area takes no more.
inline constexpr std::size_t kTipLimit = 127;

// The program's name, then the tip line of each clock that is set, in the order alarm, timer, counter, power-off.
std::wstring TrayTip(const std::array<std::optional<std::wstring>, 4>& lines, const TextTable& texts);
