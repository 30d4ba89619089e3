#pragma once
// The system's power management as the power-off panel uses it: what this computer can do, the shutdown privilege,
// and the calls that power it down. Test builds link a recorder in place of all three, so that no test ever asks the
// real system or shuts a machine down.
#include <windows.h>

#include "system/Power.h"

// What the computer can do now: asked anew each time, since hibernation can be switched off while the program runs.
PowerCapabilities QueryPowerCapabilities();

// Makes the call of an action: a planned shutdown, sleep or hibernation, or the displays turned off through the
// window's default handling. False, reported with the system's error, when the system refused it; a shutdown counts
// as done once it has begun, even if a program or the user stops it later.
bool CarryOutPowerAction(PowerAction action, HWND window);

// Enables "SeShutdownPrivilege" in the process's token, which shutting down, sleep and hibernation need; false,
// reported, when it cannot.
bool EnableShutdownPrivilege();
