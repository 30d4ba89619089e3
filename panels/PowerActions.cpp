#include "panels/PowerActions.h"

#include <windows.h>
// (after windows.h)
#include <powrprof.h>

void CarryOutPowerAction(PowerAction action)
{
    // Sleep and hibernation need the privilege as much as shutdown does.
    EnableShutdownPrivilege();
    switch (action) {
    case PowerAction::Shutdown:
        ::ExitWindowsEx(EWX_SHUTDOWN, 0);
        break;
    case PowerAction::Sleep:
        ::SetSuspendState(FALSE, FALSE, FALSE);
        break;
    case PowerAction::Hibernate:
        ::SetSuspendState(TRUE, FALSE, FALSE);
        break;
    }
}
