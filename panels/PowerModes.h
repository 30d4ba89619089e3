#pragma once
// What each mode of the power-off is: its item in the selector, its warning, and what it does on a computer with the
// power capabilities it has, the action that carries it out or the refusal of Set.
#include <optional>
#include <variant>

#include "app/Texts.h"
#include "system/Power.h"

// The modes, numbered as the selector's items.
enum class PowerMode { Shutdown = 0, Sleep = 1, Hibernate = 2 };
inline constexpr PowerMode kPowerModes[] = {PowerMode::Shutdown, PowerMode::Sleep, PowerMode::Hibernate};

// The mode of a selector index; none for an index that names no mode, such as the -1 of a list that is open with the
// pointer off its rows.
std::optional<PowerMode> PowerModeAt(int index);

// The mode's item in the selector, which the icon's tip names too.
TextId ModeNameOf(PowerMode mode);
// The warning three minutes before the mode acts.
TextId WarningOf(PowerMode mode);

// The call that carries a mode out, and whether the shutdown privilege must be enabled before it.
struct PowerStep {
    PowerAction action;
    bool needsShutdownPrivilege;
    friend bool operator==(const PowerStep&, const PowerStep&) = default;
};
// Why Set refuses a mode that the computer lacks.
struct PowerRefusal {
    TextId text;
    friend bool operator==(const PowerRefusal&, const PowerRefusal&) = default;
};

// What a mode does on a computer with these capabilities.
std::variant<PowerStep, PowerRefusal> PowerOffOf(PowerMode mode, const PowerCapabilities& capabilities);
