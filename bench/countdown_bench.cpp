// How closely the countdown timer keeps time: starts the real application object, runs a real two-minute
// countdown on the real one-second ticks, notes when each tick reaches the timer panel and when the notice opens,
// closes the notice, and prints how late both came against the times they were due.
#include <windows.h>

#include <cstdio>
#include <optional>
#include <vector>

#include "app/HourgladeApp.h"
#include "bench/Figures.h"
#include "framework/Wnd.h"
#include "panels/TimerDlg.h"
#include "system/SecondTicks.h"

namespace {

constexpr wchar_t kMinutes[] = L"02";
constexpr int kSeconds = 120;
// How long to wait for the notice beyond the set time before giving up.
constexpr UINT kGraceMilliseconds = 30000;

// Started when the countdown is set.
std::optional<Stopwatch> g_sinceSet;
HWND g_timerPanel = nullptr;
std::vector<double> g_tickTimes;
std::optional<double> g_noticeTime;

// Every tick the timer panel takes from its queue, in whichever message loop is running.
LRESULT CALLBACK NoteTick(int code, WPARAM removal, LPARAM lParam)
{
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && removal == PM_REMOVE && msg->hwnd == g_timerPanel && msg->message == WM_SECOND_TICK)
        g_tickTimes.push_back(g_sinceSet->ElapsedMilliseconds());
    return ::CallNextHookEx(nullptr, code, removal, lParam);
}

// The notice has just been initialised: note the time, close it as Esc would, and end the program's loop.
LRESULT CALLBACK NoteNotice(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_INITDIALOG && !g_noticeTime) {
        g_noticeTime = g_sinceSet->ElapsedMilliseconds();
        ::PostMessageW(call->hwnd, WM_COMMAND, IDCANCEL, 0);
        ::PostQuitMessage(0);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void PrintFigures()
{
    std::printf("countdown of %d s: %zu ticks handled\n", kSeconds, g_tickTimes.size());
    std::printf("notice: %+.1f ms against the set time (goal: within 50 ms)\n", *g_noticeTime - 1000.0 * kSeconds);
    if (g_tickTimes.empty()) return;
    std::vector<double> lateness;
    for (size_t i = 0; i < g_tickTimes.size(); ++i)
        lateness.push_back(g_tickTimes[i] - 1000.0 * static_cast<double>(i + 1));
    const Figures figures = Summarise(lateness);
    std::printf("ticks late: worst %+.1f ms (goal: none more than 100 ms), mean %+.1f ms, median %+.1f ms\n",
                figures.worst, figures.mean, figures.median);
}

}  // namespace

int main()
{
    if (!theApp.InitInstance()) return 1;
    g_timerPanel = theApp.m_pTimerDlg->m_hWnd;
    const HHOOK tickHook = ::SetWindowsHookExW(WH_GETMESSAGE, &NoteTick, nullptr, ::GetCurrentThreadId());
    const HHOOK noticeHook = ::SetWindowsHookExW(WH_CALLWNDPROCRET, &NoteNotice, nullptr, ::GetCurrentThreadId());
    ::SetTimer(nullptr, 0, kSeconds * 1000 + kGraceMilliseconds,
               [](HWND, UINT, UINT_PTR, DWORD) { ::PostQuitMessage(0); });

    std::printf("countdown of %ls:00 under way\n", kMinutes);
    std::fflush(stdout);
    g_sinceSet.emplace();
    theApp.m_pTimerDlg->QuickSet(kMinutes);
    theApp.Run();

    ::UnhookWindowsHookEx(noticeHook);
    ::UnhookWindowsHookEx(tickHook);
    // Takes the icon out of the notification area.
    if (CWnd* main = theApp.m_pMainWnd) main->DestroyWindow();
    if (!g_noticeTime) {
        std::printf("the notice did not open within %u s of the set time\n", kGraceMilliseconds / 1000);
        return 1;
    }
    PrintFigures();
    return 0;
}
