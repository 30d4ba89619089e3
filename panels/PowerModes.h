#pragma once
// What the power-off's modes do on a computer with the power capabilities it has: the action for each mode, and why
// Set refuses a mode the computer lacks.
#include <optional>

#include "app/Texts.h"

// What a computer can do besides shutting down, as its system says at the moment of asking.
struct PowerCapabilities {
    bool classicSleep;   // sleep to memory, S1 to S3
    bool modernStandby;  // Modern Standby (S0 low-power idle), where a computer has no classic sleep
    bool hibernate;      // S4, with a hibernation file
};

// The calls the power-off makes. The first three carry out the modes of the same numbers (the selector's item indexes)
// where the computer has them. A Modern Standby computer without classic sleep stands by when its displays go off;
// suspending it would hibernate it instead.
enum class PowerAction { Shutdown = 0, Sleep = 1, Hibernate = 2, DisplaysOff = 3 };

// The action that carries a mode out on this computer; none for a mode it lacks or an index that names no mode.
std::optional<PowerAction> PowerActionFor(int mode, const PowerCapabilities& capabilities);

// The refusal of Set for a mode that the computer lacks; none for a mode it has.
std::optional<TextId> RefusalOfMode(int mode, const PowerCapabilities& capabilities);

// Whether an action needs the shutdown privilege enabled first: all but turning the displays off.
bool NeedsShutdownPrivilege(PowerAction action);
