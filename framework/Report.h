#pragma once
// Reports a call that failed where it failed: a line for a debugger's output window (OutputDebugStringW), and a
// break into the debugger when one is attached and the caller has no way of its own to handle the failure.
#include <windows.h>

enum class Failure {
    Handled,    // the caller goes on in a way of its own (tries again, tells the user, stays idle)
    Unhandled,  // a fault that should not happen: worth a look in the debugger
};

// what names the call and what it was for; the system's last error is added. Returns false, for the caller's own
// result.
bool ReportFailure(const wchar_t* what, Failure failure);
