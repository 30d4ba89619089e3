#include "system/PowerActions.h"

// (after windows.h)
#include <powrprof.h>

#include <cstddef>

#include "framework/Report.h"

namespace {
// Windows 8 and later say in SYSTEM_POWER_CAPABILITIES whether the computer has Modern Standby: the byte AoAc
// ("always on, always connected") at offset 0x14, which the mingw-w64 headers still call spare2[2].
BYTE AoAcOf(const SYSTEM_POWER_CAPABILITIES& capabilities)
{
    return capabilities.spare2[2];
}
static_assert(offsetof(SYSTEM_POWER_CAPABILITIES, spare2) + 2 == 0x14);

bool HasModernStandby()
{
    SYSTEM_POWER_CAPABILITIES capabilities{};
    if (!::GetPwrCapabilities(&capabilities))
        return ReportFailure(L"Asking the computer's power capabilities", Failure::Handled);
    return AoAcOf(capabilities) != 0;
}
}  // namespace

// Only these calls tell what the computer can do now: IsPwrHibernateAllowed, for one, says no without a hibernation
// file.
PowerCapabilities QueryPowerCapabilities()
{
    return {::IsPwrSuspendAllowed() != FALSE, HasModernStandby(), ::IsPwrHibernateAllowed() != FALSE};
}

bool CarryOutPowerAction(PowerAction action, HWND window)
{
    switch (action) {
    case PowerAction::Shutdown:
        // Planned, so that Windows records the reason (event 1074); not forced, so that programs with unsaved work
        // still ask their users.
        return ::ExitWindowsEx(EWX_SHUTDOWN,
                               SHTDN_REASON_MAJOR_OTHER | SHTDN_REASON_MINOR_OTHER | SHTDN_REASON_FLAG_PLANNED) ||
               ReportFailure(L"Shutting the computer down", Failure::Handled);
    case PowerAction::Sleep:
        return ::SetSuspendState(FALSE, FALSE, FALSE) ||
               ReportFailure(L"Putting the computer to sleep", Failure::Handled);
    case PowerAction::Hibernate:
        return ::SetSuspendState(TRUE, FALSE, FALSE) || ReportFailure(L"Hibernating the computer", Failure::Handled);
    case PowerAction::DisplaysOff:
        // Not documented, but observed: a Modern Standby computer stands by once its displays are off. The window's
        // default handling passes the request on to the system.
        ::SendMessageW(window, WM_SYSCOMMAND, SC_MONITORPOWER, 2);
        return true;
    }
    return false;
}
