#pragma once
// Reports a call that failed where it failed: a line for a debugger's output window (OutputDebugStringW) that begins
// with the program's name and names the call, the place in the source and the system's error with its text, and a
// break into the debugger when one is attached and the caller has no way of its own to handle the failure.
#include <windows.h>

#include <source_location>

enum class Failure {
    Handled,    // the caller goes on in a way of its own (tries again, tells the user, stays idle)
    Unhandled,  // a fault that should not happen: worth a look in the debugger
};

// what names the call and what it was for; error is the system's error code (the last error unless the call
// returned one of its own, such as an HRESULT). Returns false, for the caller's own result.
bool ReportFailure(const wchar_t* what, Failure failure, DWORD error = ::GetLastError(),
                   std::source_location place = std::source_location::current());
