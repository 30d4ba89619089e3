#pragma once
// What the power-off's modes do on a computer with the power capabilities it has: the action for each mode, and why
// Set refuses a mode the computer lacks.
#include <optional>

#include "app/Texts.h"
#include "system/Power.h"

// The action that carries a mode out on this computer; none for a mode it lacks or an index that names no mode.
std::optional<PowerAction> PowerActionFor(int mode, const PowerCapabilities& capabilities);

// The refusal of Set for a mode that the computer lacks; none for a mode it has.
std::optional<TextId> RefusalOfMode(int mode, const PowerCapabilities& capabilities);

// Whether an action needs the shutdown privilege enabled first: all but turning the displays off.
bool NeedsShutdownPrivilege(PowerAction action);
