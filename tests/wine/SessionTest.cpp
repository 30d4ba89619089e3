// The end of the session, and the Restart Manager: the program ends at once and as it stands, even from inside a
// popup, and is registered for a restart after updates but not at the next sign-in.
#include <vector>

#include "app/HourgladeApp.h"
#include "app/Settings.h"
#include "mainpanel/MainDlg.h"
#include "panels/ShutdownDlg.h"
#include "panels/TimerDlg.h"
#include "res/resource.h"
#include "tests/wine/FakeTime.h"
#include "tests/wine/NotifyIconSpy.h"
#include "tests/wine/PowerRecorder.h"
#include "tests/wine/TimeOfDayHarness.h"

namespace {

// The calls to the Restart Manager's registration, which Wine does not implement: a flags value, or -1 for an
// unregistration.
std::vector<long> g_registrations;

HRESULT WINAPI RecordRegistration(PCWSTR commandLine, DWORD flags)
{
    g_registrations.push_back(commandLine ? -2 : static_cast<long>(flags));
    return S_OK;
}

HRESULT WINAPI RecordUnregistration()
{
    g_registrations.push_back(-1);
    return S_OK;
}

constexpr long kRestartFlags = RESTART_NO_CRASH | RESTART_NO_HANG | RESTART_NO_REBOOT;

class SessionEnd : public StartedAppTest {
protected:
    void SetUp() override
    {
        g_registrations.clear();
        ASSERT_TRUE(m_notifySpy.IsApplied() && m_register.IsApplied() && m_unregister.IsApplied());
        StartedAppTest::SetUp();
        power_recorder::Clear();
    }

    static HWND Main() { return theApp.m_pMainDlg->m_hWnd; }
    static LRESULT QueryEnd(LPARAM reasons) { return ::SendMessageW(Main(), WM_QUERYENDSESSION, 0, reasons); }
    static void End(LPARAM reasons) { ::SendMessageW(Main(), WM_ENDSESSION, TRUE, reasons); }

    // The program has removed its icon and asked its loop to end with exit code 0.
    void ExpectEnded()
    {
        EXPECT_EQ(m_notifySpy.Calls().back().message, static_cast<DWORD>(NIM_DELETE));
        MSG quit{};
        ASSERT_TRUE(::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) << "the loop does not end";
        EXPECT_EQ(theApp.Run(), 0);
    }

    NotifyIconSpy m_notifySpy;
    ImportPatch m_register{"kernel32.dll", "RegisterApplicationRestart", reinterpret_cast<void*>(&RecordRegistration)};
    ImportPatch m_unregister{"kernel32.dll", "UnregisterApplicationRestart",
                             reinterpret_cast<void*>(&RecordUnregistration)};
};

TEST_F(SessionEnd, TheProgramIsRestartedAfterUpdatesButNotAtTheNextSignIn)
{
    EXPECT_EQ(g_registrations, (std::vector<long>{kRestartFlags}));
    // An installer closing the program keeps the registration; a sign-out or shutdown drops it.
    EXPECT_EQ(QueryEnd(ENDSESSION_CLOSEAPP), TRUE);
    EXPECT_EQ(g_registrations.size(), 1u);
    EXPECT_EQ(QueryEnd(0), TRUE);
    EXPECT_EQ(g_registrations.back(), -1);
    // A sign-out that was cancelled after all leaves the program running and registered again.
    ::SendMessageW(Main(), WM_ENDSESSION, FALSE, 0);
    EXPECT_EQ(g_registrations.back(), kRestartFlags);
    MSG quit{};
    EXPECT_FALSE(::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
}

// A set alarm stays stored, to come back at the next start; no power action follows a warning the end cut short.
TEST_F(SessionEnd, EndsFromInsideThePowerOffWarningWithoutActingOrWriting)
{
    SetAndStart(Panel::Alarm, {L"2", L"3", L"5", L"9"});
    fake_time::Set(At(10, 1, 0));
    SetAndStart(Panel::Shutdown, {L"1", L"0", L"0", L"1"});
    Watcher().Then([this](HWND) {
        EXPECT_EQ(QueryEnd(0), TRUE);
        End(0);
    });
    Tick(Panel::Shutdown);
    EXPECT_EQ(Watcher().SeenCount(), 1);
    EXPECT_TRUE(power_recorder::Actions().empty());
    EXPECT_EQ(theApp.m_nShutdownState, 1);
    EXPECT_EQ(theApp.m_nAlarmState, 1);
    EXPECT_EQ(store::ReadDword(kAlarmStateValue), 1u);
    ExpectEnded();
}

TEST_F(SessionEnd, AnInstallerEndsItFromInsideTheExitConfirmationWithEveryClockAsItWas)
{
    ::SendMessageW(Main(), WM_COMMAND, ID_QUICK_TIMER5, 0);
    Watcher().Then([this](HWND) {
        EXPECT_EQ(QueryEnd(ENDSESSION_CLOSEAPP), TRUE);
        End(ENDSESSION_CLOSEAPP);
    });
    ::SendMessageW(Main(), WM_COMMAND, ID_MENU_EXIT, 0);
    EXPECT_EQ(Watcher().SeenCount(), 1);
    EXPECT_EQ(theApp.m_nTimerState, 1);
    EXPECT_TRUE(::IsWindow(theApp.m_pTimerDlg->m_hWnd));
    EXPECT_EQ(g_registrations, (std::vector<long>{kRestartFlags}));
    ExpectEnded();
}

}  // namespace
