// How closely the counter follows the steady time, read from outside as a user reads it: starts Hourglade.exe (the
// program given), starts its counter through the quick-start command, reads the counter's four digits every 20 ms
// for two minutes, and prints how far the count shown fell behind the seconds elapsed on the steady time.
//   hourglade_count_bench.exe PATH\Hourglade.exe
#include <windows.h>

#include <cstdio>
#include <string>

#include "res/resource.h"

namespace {

constexpr ULONGLONG kRunMilliseconds = 120000;
constexpr DWORD kReadEveryMilliseconds = 20;

struct Search {
    DWORD process;
    bool (*wanted)(HWND);
    HWND found;
};

bool IsMainPanel(HWND dialog)
{
    return ::GetDlgItem(dialog, IDC_STATUS_ALARM) != nullptr;
}

bool IsCounterPanel(HWND dialog)
{
    return ::GetDlgItem(dialog, IDC_STOP) && !::GetDlgItem(dialog, IDC_HISTORY);
}

// The program's dialog of the kind asked, waiting for the program to create it.
HWND FindDialog(DWORD process, bool (*wanted)(HWND))
{
    Search search{process, wanted, nullptr};
    for (int tries = 0; tries < 300 && !search.found; ++tries) {
        ::EnumWindows(
            [](HWND hWnd, LPARAM lParam) {
                auto* s = reinterpret_cast<Search*>(lParam);
                DWORD owner = 0;
                ::GetWindowThreadProcessId(hWnd, &owner);
                if (owner == s->process && s->wanted(hWnd)) s->found = hWnd;
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        if (!search.found) ::Sleep(100);
    }
    return search.found;
}

// The count the counter shows, in seconds, or -1 when its digits cannot be read.
int CountShown(HWND counter)
{
    int seconds = 0;
    constexpr int kWeights[] = {600, 60, 10, 1};
    for (int i = 0; i < 4; ++i) {
        wchar_t text[8] = {};
        if (!::GetWindowTextW(::GetDlgItem(counter, IDC_REMAIN1 + i), text, 8)) return -1;
        seconds += kWeights[i] * _wtoi(text);
    }
    return seconds;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: hourglade_count_bench PATH\\Hourglade.exe\n");
        return 2;
    }
    std::wstring commandLine = L"\"" + std::wstring(argv[1]) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION program{};
    if (!::CreateProcessW(argv[1], commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &program)) {
        std::printf("could not start %ls\n", argv[1]);
        return 1;
    }
    const HWND main = FindDialog(program.dwProcessId, &IsMainPanel);
    const HWND counter = FindDialog(program.dwProcessId, &IsCounterPanel);
    if (!main || !counter) {
        std::printf("the program's panels did not appear\n");
        ::TerminateProcess(program.hProcess, 1);
        return 1;
    }

    std::printf("the counter for %llu s, read every %lu ms from outside\n", kRunMilliseconds / 1000,
                kReadEveryMilliseconds);
    std::fflush(stdout);
    // The counter starts while the command is handled: its steady start lies between these two moments.
    const ULONGLONG sent = ::GetTickCount64();
    ::SendMessageW(main, WM_COMMAND, ID_QUICK_COUNTER, 0);
    const ULONGLONG handled = ::GetTickCount64();

    long long worstLag = 0;
    int worstBehind = 0;
    int readings = 0;
    for (ULONGLONG now = handled; now - sent < kRunMilliseconds; now = ::GetTickCount64()) {
        const int shown = CountShown(counter);
        const ULONGLONG read = ::GetTickCount64();
        if (shown >= 0) {
            ++readings;
            // How far the display lags the steady time: up to a second and the tick's lateness when all is well.
            const long long lag = static_cast<long long>(read - handled) - 1000LL * shown;
            worstLag = lag > worstLag ? lag : worstLag;
            const int elapsed = static_cast<int>((read - sent) / 1000);
            worstBehind = elapsed - shown > worstBehind ? elapsed - shown : worstBehind;
        }
        ::Sleep(kReadEveryMilliseconds);
    }
    ::TerminateProcess(program.hProcess, 0);
    ::CloseHandle(program.hThread);
    ::CloseHandle(program.hProcess);

    std::printf(
        "%d readings: the count shown lagged the steady time by %lld ms at worst (at most a second and a "
        "tick's lateness when every second counts); it was %d s behind the whole seconds elapsed at worst "
        "(goal: 1, a reading just before a tick)\n",
        readings, worstLag, worstBehind);
    return 0;
}
