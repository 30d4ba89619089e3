#include "framework/Report.h"

#include <string>

bool ReportFailure(const wchar_t* what, Failure failure)
{
    const DWORD error = ::GetLastError();
    const std::wstring line =
        std::wstring(L"Hourglade: ") + what + L" failed (error " + std::to_wstring(error) + L")\n";
    ::OutputDebugStringW(line.c_str());
    if (failure == Failure::Unhandled && ::IsDebuggerPresent()) ::DebugBreak();
    return false;
}
