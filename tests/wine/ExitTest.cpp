// The exit confirmation: cancelling changes nothing; OK stops every clock and either hides every window or, with
// "remove from the task tray" ticked, removes the icon and ends the program with exit code 0.
#include "app/HourgladeApp.h"
#include "app/Settings.h"
#include "mainpanel/MainDlg.h"
#include "panels/AlarmDlg.h"
#include "panels/CounterDlg.h"
#include "panels/ShutdownDlg.h"
#include "panels/TimerDlg.h"
#include "res/resource.h"
#include "tests/TextList.h"
#include "tests/wine/FakeSecondTicks.h"
#include "tests/wine/NotifyIconSpy.h"
#include "tests/wine/PanelDriver.h"

namespace {

using Digits4 = std::array<std::wstring, 4>;

class ExitConfirmation : public StartedAppTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_notifySpy.IsApplied());
        StartedAppTest::SetUp();
    }

    static HWND Main() { return theApp.m_pMainDlg->m_hWnd; }
    static HWND Timer() { return theApp.m_pTimerDlg->m_hWnd; }
    static HWND Counter() { return theApp.m_pCounterDlg->m_hWnd; }

    // The timer counting down from 05:00 and the counter counting up, both shown, and the main panel shown.
    void StartTimerAndCounter()
    {
        // The counter starts after the timer's seconds, so that it counts only its own.
        ::SendMessageW(Main(), WM_COMMAND, ID_QUICK_TIMER5, 0);
        fake_ticks::Ticks(Timer(), 3);
        ::SendMessageW(Main(), WM_COMMAND, ID_QUICK_COUNTER, 0);
        ::SendMessageW(Main(), WM_COMMAND, ID_MENU_MAINPANEL, 0);
        fake_ticks::Ticks(Counter(), 3);
        ASSERT_EQ(theApp.m_nTimerState, 1);
        ASSERT_EQ(theApp.m_nCounterState, 1);
    }

    // Opens the confirmation from the menu and answers it: the check box as given, then OK or another way out.
    void Exit(bool tickRemoval, UINT answer)
    {
        Watcher().Then([=, this](HWND confirmation) {
            m_ownerDisabled = !::IsWindowEnabled(Main());
            m_opensUnticked = !IsPressedIn(confirmation, IDC_REMOVE_FROM_TRAY);
            m_topmost = IsTopmost(confirmation);
            m_onTaskbar = ::GetWindowLongPtrW(confirmation, GWL_EXSTYLE) & WS_EX_APPWINDOW;
            if (tickRemoval) Click(confirmation, IDC_REMOVE_FROM_TRAY);
            if (answer == WM_CLOSE)
                ::PostMessageW(confirmation, WM_SYSCOMMAND, SC_CLOSE, 0);
            else if (answer == VK_ESCAPE)
                ::PostMessageW(::GetDlgItem(confirmation, IDC_REMOVE_FROM_TRAY), WM_KEYDOWN, VK_ESCAPE, 0);
            else
                Click(confirmation, static_cast<int>(answer));
        });
        ::SendMessageW(Main(), WM_COMMAND, ID_MENU_EXIT, 0);
        EXPECT_EQ(Watcher().SeenCount(), ++m_opened);
    }

    NotifyIconSpy m_notifySpy;
    int m_opened = 0;
    bool m_ownerDisabled = false;
    bool m_opensUnticked = false;
    bool m_topmost = false;
    bool m_onTaskbar = true;
};

TEST_F(ExitConfirmation, CancellingInAnyWayChangesNothing)
{
    StartTimerAndCounter();
    for (UINT answer : {static_cast<UINT>(IDCANCEL), static_cast<UINT>(VK_ESCAPE), static_cast<UINT>(WM_CLOSE)}) {
        m_notifySpy.Calls().clear();
        Exit(true, answer);
        EXPECT_TRUE(m_ownerDisabled);
        EXPECT_TRUE(m_topmost);
        EXPECT_FALSE(m_onTaskbar);
        EXPECT_EQ(theApp.m_nTimerState, 1);
        EXPECT_EQ(theApp.m_nCounterState, 1);
        EXPECT_TRUE(::IsWindowVisible(Main()));
        EXPECT_TRUE(::IsWindowVisible(Timer()));
        EXPECT_TRUE(::IsWindowEnabled(Main()));
        EXPECT_TRUE(m_notifySpy.Calls().empty()) << "the icon changed";
    }
    fake_ticks::Tick(Counter());
    EXPECT_EQ(Remaining(Counter()), (Digits4{L"0", L"0", L"0", L"4"}));
}

TEST_F(ExitConfirmation, OpensUntickedEveryTime)
{
    Exit(true, IDCANCEL);
    EXPECT_TRUE(m_opensUnticked);
    Exit(false, IDCANCEL);
    EXPECT_TRUE(m_opensUnticked) << "the tick of the cancelled confirmation was kept";
}

TEST_F(ExitConfirmation, OkStopsEveryClockAndHidesEveryWindow)
{
    StartTimerAndCounter();
    ::SendMessageW(Main(), WM_COMMAND, ID_MENU_ALARM, 0);
    m_notifySpy.Calls().clear();
    Exit(false, IDOK);

    EXPECT_EQ(theApp.m_nAlarmState, 0);
    EXPECT_EQ(theApp.m_nTimerState, 0);
    EXPECT_EQ(theApp.m_nCounterState, 0);
    EXPECT_EQ(theApp.m_nShutdownState, 0);
    // What a reset leaves of a clock is CountingPanels.ResetReturnsEveryStateToIdle's; the chosen time stays on the
    // timer's buttons.
    EXPECT_EQ(Digits(Timer()), (Digits4{L"0", L"5", L"0", L"0"}));
    for (HWND hWnd : ThreadWindows()) EXPECT_FALSE(::IsWindowVisible(hWnd));
    EXPECT_FALSE(theApp.m_bMainShown);
    for (int id : {IDC_STATUS_ALARM, IDC_STATUS_TIMER, IDC_STATUS_COUNTER, IDC_STATUS_SHUTDOWN})
        EXPECT_EQ(StatusLine(id), Japanese(TextId::StatusNotSet));
    ASSERT_FALSE(m_notifySpy.Calls().empty());
    EXPECT_EQ(m_notifySpy.Calls().back().message, static_cast<DWORD>(NIM_MODIFY));
    EXPECT_FALSE(IsIconActive());

    // The program stays usable from its menus.
    ::SendMessageW(Main(), WM_COMMAND, ID_QUICK_TIMER1, 0);
    EXPECT_EQ(theApp.m_nTimerState, 1);
    EXPECT_TRUE(::IsWindowVisible(Timer()));
}

TEST_F(ExitConfirmation, OkWhileAnAlarmIsSetStoresItAsOff)
{
    SetDigits(theApp.m_pAlarmDlg->m_hWnd, {L"2", L"3", L"5", L"9"});
    Click(theApp.m_pAlarmDlg->m_hWnd, IDC_SET);
    ASSERT_EQ(theApp.m_nAlarmState, 1);
    ASSERT_EQ(store::ReadDword(kAlarmStateValue), 1u);
    Exit(false, IDOK);
    EXPECT_EQ(theApp.m_nAlarmState, 0);
    EXPECT_EQ(store::ReadDword(kAlarmStateValue), 0u);
}

TEST_F(ExitConfirmation, OkWithRemovalStopsEverythingRemovesTheIconAndEndsWithCodeZero)
{
    StartTimerAndCounter();
    // The panels' objects go with their windows.
    const HWND main = Main();
    const HWND timer = Timer();
    const HWND counter = Counter();
    m_notifySpy.Calls().clear();
    Exit(true, IDOK);

    EXPECT_EQ(fake_ticks::Running(timer), 0u);
    EXPECT_EQ(fake_ticks::Running(counter), 0u);
    EXPECT_FALSE(::IsWindow(main));
    EXPECT_FALSE(::IsWindow(timer));
    ASSERT_EQ(m_notifySpy.Calls().size(), 1u) << "the icon was refreshed before it went";
    EXPECT_EQ(m_notifySpy.Calls()[0].message, static_cast<DWORD>(NIM_DELETE));
    EXPECT_EQ(m_notifySpy.Calls()[0].data.hWnd, main);
    // The message loop ends with the main window, and the program with exit code 0.
    m_started = false;
    EXPECT_EQ(theApp.Run(), 0);
    EXPECT_EQ(theApp.m_gdiplusToken, 0u);
}

}  // namespace
