#include "framework/Report.h"

#include <string>

#include "framework/App.h"

namespace {
// The system's text for an error code, without its closing line break; empty when the system has none.
std::wstring ErrorText(DWORD error)
{
    wchar_t* buffer = nullptr;
    const DWORD length =
        ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                         nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text(buffer ? buffer : L"", length);
    ::LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) text.pop_back();
    return text;
}

std::wstring Widened(const char* text)
{
    return std::wstring(text, text + std::char_traits<char>::length(text));
}
}  // namespace

bool ReportFailure(const wchar_t* what, Failure failure, DWORD error, std::source_location place)
{
    const CWinApp* app = AfxGetApp();
    std::wstring line = (app ? app->m_strProgramName + L": " : std::wstring()) + what + L" failed at " +
                        Widened(place.file_name()) + L":" + std::to_wstring(place.line()) + L" (error " +
                        std::to_wstring(error);
    if (const std::wstring text = ErrorText(error); !text.empty()) line += L": " + text;
    line += L")\n";
    ::OutputDebugStringW(line.c_str());
    if (failure == Failure::Unhandled && ::IsDebuggerPresent()) ::DebugBreak();
    return false;
}
