// The notification-area icon at sign-in and after: an add that fails is tried again, and the tip tells what runs.
#include <algorithm>
#include <string>
#include <vector>

#include "app/HourgladeApp.h"
#include "mainpanel/MainDlg.h"
#include "panels/CounterDlg.h"
#include "panels/ShutdownDlg.h"
#include "panels/TimerDlg.h"
#include "res/resource.h"
#include "tests/wine/FakeSecondTicks.h"
#include "tests/wine/FakeTime.h"
#include "tests/wine/NotifyIconSpy.h"
#include "tests/wine/TimeOfDayHarness.h"

namespace {

// The window timers that the main panel starts and kills.
struct TimerCall {
    bool set;
    UINT_PTR id;
    UINT elapse;
};
std::vector<TimerCall> g_timerCalls;
void* g_originalSetTimer = nullptr;
void* g_originalKillTimer = nullptr;

UINT_PTR WINAPI RecordSetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC proc)
{
    if (window && window == theApp.m_pMainDlg->m_hWnd) g_timerCalls.push_back({true, id, elapse});
    return reinterpret_cast<decltype(&::SetTimer)>(g_originalSetTimer)(window, id, elapse, proc);
}

BOOL WINAPI RecordKillTimer(HWND window, UINT_PTR id)
{
    if (window && theApp.m_pMainDlg && window == theApp.m_pMainDlg->m_hWnd) g_timerCalls.push_back({false, id, 0});
    return reinterpret_cast<decltype(&::KillTimer)>(g_originalKillTimer)(window, id);
}

constexpr UINT kFlagsWithImage = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP;

// The application started only once the test has told the shell's stand-in how to answer.
class TrayIconAtSignIn : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        ASSERT_TRUE(m_notifySpy.IsApplied() && m_setTimer.IsApplied() && m_killTimer.IsApplied());
        g_originalSetTimer = m_setTimer.Original();
        g_originalKillTimer = m_killTimer.Original();
        g_timerCalls.clear();
    }

    static HWND Main() { return theApp.m_pMainDlg->m_hWnd; }
    // The retry timer started at the add, and how often the add was tried.
    static std::vector<TimerCall> RetryTimerCalls()
    {
        std::vector<TimerCall> calls;
        std::copy_if(g_timerCalls.begin(), g_timerCalls.end(), std::back_inserter(calls),
                     [](const TimerCall& c) { return c.id == g_timerCalls.front().id; });
        return calls;
    }
    static void RetryTick() { ::SendMessageW(Main(), WM_TIMER, g_timerCalls.front().id, 0); }

    NotifyIconSpy m_notifySpy;
    ImportPatch m_setTimer{"user32.dll", "SetTimer", reinterpret_cast<void*>(&RecordSetTimer)};
    ImportPatch m_killTimer{"user32.dll", "KillTimer", reinterpret_cast<void*>(&RecordKillTimer)};
};

TEST_F(TrayIconAtSignIn, AFailedAddIsTriedAgainEveryTwoSecondsUntilItSucceedsWithWhatChangedMeanwhile)
{
    NotifyIconSpy::Fail(NIM_ADD, 3);
    NotifyIconSpy::Fail(NIM_MODIFY, 1000);
    StartApp();
    ASSERT_FALSE(g_timerCalls.empty());
    EXPECT_TRUE(g_timerCalls.front().set);
    EXPECT_EQ(g_timerCalls.front().elapse, 2000u);
    EXPECT_EQ(NotifyIconSpy::CountOf(NIM_SETVERSION), 0);

    // A clock started meanwhile goes into the record that the next try carries.
    ::SendMessageW(Main(), WM_COMMAND, ID_QUICK_COUNTER, 0);
    RetryTick();
    RetryTick();
    NotifyIconSpy::Fail(NIM_MODIFY, 0);
    RetryTick();
    EXPECT_EQ(NotifyIconSpy::CountOf(NIM_ADD), 4);
    const NotifyCall& add = m_notifySpy.Calls()[m_notifySpy.Calls().size() - 2];
    EXPECT_TRUE(add.succeeded);
    EXPECT_EQ(add.message, static_cast<DWORD>(NIM_ADD));
    EXPECT_TRUE(LookOf(add.data.hIcon).active);
    EXPECT_STREQ(add.data.szTip, L"Hourglade\nカウンター　00:00");
    EXPECT_EQ(m_notifySpy.Calls().back().message, static_cast<DWORD>(NIM_SETVERSION));
    ASSERT_EQ(RetryTimerCalls().size(), 2u);
    EXPECT_FALSE(RetryTimerCalls().back().set) << "the retry timer was not stopped";

    // A late tick of the stopped timer adds nothing.
    RetryTick();
    EXPECT_EQ(NotifyIconSpy::CountOf(NIM_ADD), 4);
}

TEST_F(TrayIconAtSignIn, AnAddThatFailedWhileTheIconWasThereAlreadyCountsAsDone)
{
    NotifyIconSpy::Fail(NIM_ADD, 1);
    StartApp();
    ASSERT_GE(m_notifySpy.Calls().size(), 3u);
    EXPECT_EQ(m_notifySpy.Calls()[1].message, static_cast<DWORD>(NIM_MODIFY));
    EXPECT_EQ(m_notifySpy.Calls()[2].message, static_cast<DWORD>(NIM_SETVERSION));
    EXPECT_TRUE(std::none_of(g_timerCalls.begin(), g_timerCalls.end(), [](const TimerCall& c) { return c.set; }));
}

TEST_F(TrayIconAtSignIn, TheAddIsTriedThirtyTimesAtMostAndTheProgramGoesOn)
{
    NotifyIconSpy::Fail(NIM_ADD, 1000);
    NotifyIconSpy::Fail(NIM_MODIFY, 1000);
    StartApp();
    for (int tick = 0; tick < 40; ++tick) RetryTick();
    EXPECT_EQ(NotifyIconSpy::CountOf(NIM_ADD), 31);
    EXPECT_FALSE(RetryTimerCalls().back().set);
    ::SendMessageW(Main(), WM_COMMAND, ID_QUICK_TIMER1, 0);
    EXPECT_EQ(theApp.m_nTimerState, 1);
}

TEST_F(TrayIconAtSignIn, ANewNotificationAreaThatRefusesTheAddIsTriedAgainToo)
{
    StartApp();
    g_timerCalls.clear();
    NotifyIconSpy::Fail(NIM_ADD, 1);
    NotifyIconSpy::Fail(NIM_MODIFY, 1);
    ::SendMessageW(Main(), ::RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    ASSERT_FALSE(g_timerCalls.empty());
    EXPECT_TRUE(g_timerCalls.front().set);
    const int adds = NotifyIconSpy::CountOf(NIM_ADD);
    RetryTick();
    EXPECT_EQ(NotifyIconSpy::CountOf(NIM_ADD), adds + 1);
    EXPECT_EQ(m_notifySpy.Calls().back().message, static_cast<DWORD>(NIM_SETVERSION));
}

class TrayTip : public StartedAppTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_notifySpy.IsApplied());
        StartedAppTest::SetUp();
    }
    std::vector<NotifyCall>& Calls() { return m_notifySpy.Calls(); }
    NotifyIconSpy m_notifySpy;
};

// A state change sends the image with the tip; a tick sends the tip alone, and only when its text changed.
TEST_F(TrayTip, SaysWhatIsSetAndFollowsTheTimeLeftWithoutReloadingTheImage)
{
    fake_time::Set(At(22, 0));
    ::SendMessageW(theApp.m_pMainDlg->m_hWnd, WM_COMMAND, ID_QUICK_TIMER3, 0);
    theApp.m_pShutdownDlg->m_cbMode.m_dropDown.m_nCurSel = 2;
    Calls().clear();
    SetAndStart(Panel::Shutdown, {L"2", L"3", L"0", L"5"});
    ASSERT_EQ(Calls().size(), 1u);
    EXPECT_EQ(Calls()[0].data.uFlags, kFlagsWithImage);
    EXPECT_STREQ(Calls()[0].data.szTip, L"Hourglade\nタイマー　03:00\n電源の遮断　23:05（休止状態）");

    const HICON image = theApp.m_pMainDlg->m_trayIcon.Image();
    Calls().clear();
    fake_ticks::Tick(theApp.m_pTimerDlg->m_hWnd);
    ASSERT_EQ(Calls().size(), 1u);
    EXPECT_EQ(Calls()[0].message, static_cast<DWORD>(NIM_MODIFY));
    EXPECT_EQ(Calls()[0].data.uFlags, static_cast<UINT>(NIF_TIP | NIF_SHOWTIP));
    EXPECT_STREQ(Calls()[0].data.szTip, L"Hourglade\nタイマー　02:59\n電源の遮断　23:05（休止状態）");
    EXPECT_EQ(theApp.m_pMainDlg->m_trayIcon.Image(), image);

    // The power-off's tick changes nothing the tip says.
    Calls().clear();
    Tick(Panel::Shutdown);
    EXPECT_TRUE(Calls().empty());

    Click(theApp.m_pTimerDlg->m_hWnd, IDC_STOP);
    ASSERT_EQ(Calls().size(), 1u);
    EXPECT_STREQ(Calls()[0].data.szTip, L"Hourglade\nタイマー　02:59（停止中）\n電源の遮断　23:05（休止状態）");
}

TEST_F(TrayTip, ATipTheShellRefusedIsSentAgainAtTheNextTick)
{
    SetAndStart(Panel::Alarm, {L"0", L"0", L"0", L"0"});
    ::SendMessageW(theApp.m_pMainDlg->m_hWnd, WM_COMMAND, ID_QUICK_COUNTER, 0);
    NotifyIconSpy::Fail(NIM_MODIFY, 1);
    Calls().clear();
    fake_ticks::Tick(theApp.m_pCounterDlg->m_hWnd);
    Tick(Panel::Alarm);
    ASSERT_EQ(Calls().size(), 2u);
    EXPECT_FALSE(Calls()[0].succeeded);
    EXPECT_TRUE(Calls()[1].succeeded);
    EXPECT_STREQ(Calls()[1].data.szTip, L"Hourglade\nアラーム　00:00\nカウンター　00:01");
}

}  // namespace
