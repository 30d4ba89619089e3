#include <windows.h>

#include "framework/Handle.h"
#include "framework/Report.h"
#include "system/PowerActions.h"

bool EnableShutdownPrivilege()
{
    OwnedHandle token;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, token.Receive()))
        return ReportFailure(L"Opening the process's token for the shutdown privilege", Failure::Handled);
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (!::LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid))
        return ReportFailure(L"Looking the shutdown privilege up", Failure::Handled);
    // A privilege that the user does not hold is not enabled, yet the call succeeds: the last error tells.
    if (!::AdjustTokenPrivileges(token.Get(), FALSE, &privileges, 0, nullptr, nullptr) ||
        ::GetLastError() != ERROR_SUCCESS)
        return ReportFailure(L"Enabling the shutdown privilege", Failure::Handled);
    return true;
}
