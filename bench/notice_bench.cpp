// How soon the timer's notice follows the tick that runs the timer out: starts the real application object, runs
// one-second timers one after another on the real one-second ticks, and for each notes when the last tick reached
// the timer panel, when the notice began to be made and when it showed; closes it and sets the next timer. It prints
// those figures and the time spent in the calls that wait for another process (the shell) or the system on the way.
#include <windows.h>
// (after windows.h)
#include <shellapi.h>

#include <cstdio>
#include <optional>
#include <vector>

#include "app/HourgladeApp.h"
#include "bench/Figures.h"
#include "framework/Wnd.h"
#include "panels/TimerDlg.h"
#include "res/resource.h"
#include "system/SecondTicks.h"
#include "tests/wine/ImportPatch.h"

namespace {

constexpr int kRounds = 15;
constexpr double kGoalMilliseconds = 20.0;

std::optional<Stopwatch> g_clock;
HWND g_timerPanel = nullptr;
int g_round = 0;
// Of the round under way: when its last tick was taken from the queue, when the notice was initialised.
double g_lastTick = 0.0;
std::optional<double> g_noticeInit;
// Time in the calls below since the last tick.
double g_inShell = 0.0;
double g_inBeep = 0.0;

std::vector<double> g_tickToShown, g_tickToInit, g_shell, g_beep;

using NotifyIcon = BOOL(WINAPI*)(DWORD, PNOTIFYICONDATAW);
using Beep = BOOL(WINAPI*)(UINT);
std::optional<ImportPatch> g_notifyPatch, g_beepPatch;

BOOL WINAPI TimedNotifyIcon(DWORD message, PNOTIFYICONDATAW data)
{
    const Stopwatch call;
    const BOOL result = reinterpret_cast<NotifyIcon>(g_notifyPatch->Original())(message, data);
    g_inShell += call.ElapsedMilliseconds();
    return result;
}

BOOL WINAPI TimedBeep(UINT type)
{
    const Stopwatch call;
    const BOOL result = reinterpret_cast<Beep>(g_beepPatch->Original())(type);
    g_inBeep += call.ElapsedMilliseconds();
    return result;
}

// Sets the timer to one second and presses Set, as the user would.
void SetOneSecond()
{
    for (int id = IDC_DIGIT1; id <= IDC_DIGIT4; ++id)
        ::SetDlgItemTextW(g_timerPanel, id, id == IDC_DIGIT4 ? L"1" : L"0");
    ::SendMessageW(::GetDlgItem(g_timerPanel, IDC_SET), BM_CLICK, 0, 0);
}

LRESULT CALLBACK NoteTick(int code, WPARAM removal, LPARAM lParam)
{
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && removal == PM_REMOVE && msg->hwnd == g_timerPanel && msg->message == WM_SECOND_TICK) {
        g_lastTick = g_clock->ElapsedMilliseconds();
        g_inShell = g_inBeep = 0.0;
    }
    return ::CallNextHookEx(nullptr, code, removal, lParam);
}

LRESULT CALLBACK NoteInit(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_INITDIALOG && ::GetDlgItem(call->hwnd, IDC_NOTICE_TEXT))
        g_noticeInit = g_clock->ElapsedMilliseconds();
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// The notice has just been shown: note the round, close the notice as Esc would, and set the next timer.
LRESULT CALLBACK NoteShown(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    const auto* position = reinterpret_cast<const WINDOWPOS*>(call->lParam);
    if (code == HC_ACTION && call->message == WM_WINDOWPOSCHANGED && (position->flags & SWP_SHOWWINDOW) &&
        g_noticeInit && ::GetDlgItem(call->hwnd, IDC_NOTICE_TEXT)) {
        g_tickToShown.push_back(g_clock->ElapsedMilliseconds() - g_lastTick);
        g_tickToInit.push_back(*g_noticeInit - g_lastTick);
        g_shell.push_back(g_inShell);
        g_beep.push_back(g_inBeep);
        g_noticeInit.reset();
        ::PostMessageW(call->hwnd, WM_COMMAND, IDCANCEL, 0);
        // The idle timer can be set again while its notice is open.
        if (++g_round < kRounds)
            SetOneSecond();
        else
            ::PostQuitMessage(0);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void PrintFigures(const char* what, const std::vector<double>& times)
{
    const Figures figures = Summarise(times);
    std::printf("%s: median %.1f ms, mean %.1f ms, worst %.1f ms\n", what, figures.median, figures.mean, figures.worst);
}

}  // namespace

int main()
{
    if (!theApp.InitInstance()) return 1;
    g_timerPanel = theApp.m_pTimerDlg->m_hWnd;
    g_notifyPatch.emplace("shell32.dll", "Shell_NotifyIconW", reinterpret_cast<void*>(&TimedNotifyIcon));
    g_beepPatch.emplace("user32.dll", "MessageBeep", reinterpret_cast<void*>(&TimedBeep));
    const DWORD thread = ::GetCurrentThreadId();
    const HHOOK hooks[] = {::SetWindowsHookExW(WH_GETMESSAGE, &NoteTick, nullptr, thread),
                           ::SetWindowsHookExW(WH_CALLWNDPROC, &NoteInit, nullptr, thread),
                           ::SetWindowsHookExW(WH_CALLWNDPROCRET, &NoteShown, nullptr, thread)};
    // Gives up when the notices stop coming.
    ::SetTimer(nullptr, 0, kRounds * 3000, [](HWND, UINT, UINT_PTR, DWORD) { ::PostQuitMessage(0); });

    std::printf("%d one-second timers, one after another\n", kRounds);
    std::fflush(stdout);
    g_clock.emplace();
    SetOneSecond();
    theApp.Run();

    for (const HHOOK hook : hooks) ::UnhookWindowsHookEx(hook);
    if (CWnd* main = theApp.m_pMainWnd) main->DestroyWindow();
    if (g_tickToShown.size() < kRounds) {
        std::printf("only %zu of %d notices showed\n", g_tickToShown.size(), kRounds);
        return 1;
    }
    std::printf("the notice after the tick that ran the timer out (goal: median %.0f ms or less):\n",
                kGoalMilliseconds);
    PrintFigures("  shown", g_tickToShown);
    PrintFigures("  begun (WM_INITDIALOG)", g_tickToInit);
    PrintFigures("  of it in Shell_NotifyIconW", g_shell);
    PrintFigures("  of it in MessageBeep", g_beep);
    return 0;
}
