#pragma once
// The three power actions of the power-off panel. Test builds link a recorder in their place, so that no test
// ever shuts a machine down.
enum class PowerAction { Shutdown = 0, Sleep = 1, Hibernate = 2 };

void CarryOutPowerAction(PowerAction action);

// Enables "SeShutdownPrivilege" in the process's token; every one of the actions needs it.
bool EnableShutdownPrivilege();
