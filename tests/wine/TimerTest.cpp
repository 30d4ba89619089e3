// The countdown timer: its Set refusing 00:00, the countdown to its notice, and the quick-set commands.
#include <string>

#include "app/HourgladeApp.h"
#include "app/Settings.h"
#include "panels/TimerDlg.h"
#include "res/resource.h"
#include "tests/TextList.h"
#include "tests/wine/FakeSecondTicks.h"
#include "tests/wine/PanelDriver.h"

namespace {

using Digits4 = std::array<std::wstring, 4>;

class Timer : public StartedAppTest {
protected:
    static HWND Panel() { return theApp.m_pTimerDlg->m_hWnd; }
    static void SetAndStart(const Digits4& digits)
    {
        SetDigits(Panel(), digits);
        Click(Panel(), IDC_SET);
    }
};

TEST_F(Timer, ZeroTimeIsRefusedInAPopupOfItsSizeDirectlyBelowSet)
{
    Watcher().Then([](HWND popup) {
        RECT set{}, place{};
        ::GetWindowRect(::GetDlgItem(Panel(), IDC_SET), &set);
        ::GetWindowRect(popup, &place);
        EXPECT_EQ(ControlText(popup, IDC_ERROR_TEXT), Japanese(TextId::RefusalNoTime));
        EXPECT_EQ(place.left, set.left);
        EXPECT_EQ(place.top, set.bottom);
        EXPECT_EQ(place.right - place.left, static_cast<int>(130 * theApp.m_dScaleX));
        EXPECT_EQ(place.bottom - place.top, static_cast<int>(18 * theApp.m_dScaleY));
        EXPECT_FALSE(IsPressedIn(Panel(), IDC_SET));
        EXPECT_FALSE(IsEnabled(Panel(), IDC_STOP));
        EndPopup(popup, -1);
    });
    SetAndStart({L"0", L"0", L"0", L"0"});
    EXPECT_EQ(Watcher().SeenCount(), 1);
    EXPECT_EQ(theApp.m_nTimerState, 0);
    EXPECT_EQ(fake_ticks::StartCount(Panel()), 0);
    EXPECT_TRUE(theApp.m_pTimerDlg->m_history.empty());
    EXPECT_FALSE(store::ReadString(kTimerHistoryValue));
    EXPECT_TRUE(IsEnabled(Panel(), IDC_HISTORY));
}

TEST_F(Timer, OneSecondRunsOutAtTheFirstTickWithTheNoticeAfterTheMainPanelShowsItIdle)
{
    SetAndStart({L"0", L"0", L"0", L"1"});
    EXPECT_EQ(Remaining(Panel()), (Digits4{L"0", L"0", L"0", L"1"}));
    EXPECT_FALSE(IsEnabled(Panel(), IDC_HISTORY));
    Watcher().Then([](HWND notice) {
        EXPECT_EQ(ControlText(notice, IDC_NOTICE_TEXT), L"タイマー：　00 分 01 秒 経過しました。");
        EXPECT_EQ(theApp.m_nTimerState, 0);
        EXPECT_EQ(Remaining(Panel()), (Digits4{L"0", L"0", L"0", L"0"}));
        EXPECT_FALSE(IsPressedIn(Panel(), IDC_SET));
        EXPECT_TRUE(IsEnabled(Panel(), IDC_HISTORY));
        EXPECT_EQ(StatusLine(IDC_STATUS_TIMER), Japanese(TextId::StatusNotSet));
        EXPECT_FALSE(IsIconActive());
        EndPopup(notice, 0);
    });
    fake_ticks::Tick(Panel());
    EXPECT_EQ(Watcher().SeenCount(), 1);
    EXPECT_EQ(fake_ticks::Running(Panel()), 0u);
    // The set time stays for the next start.
    EXPECT_EQ(Digits(Panel()), (Digits4{L"0", L"0", L"0", L"1"}));
}

TEST_F(Timer, TheLongestTimeCountsDownFrom9959AndIsRecordedOnce)
{
    store::WriteString(kTimerHistoryValue, L"05:00|99:59|");
    EndApp();
    StartApp();
    SetAndStart({L"9", L"9", L"5", L"9"});
    EXPECT_EQ(theApp.m_pTimerDlg->m_nRemain, 5999);
    EXPECT_EQ(Remaining(Panel()), (Digits4{L"9", L"9", L"5", L"9"}));
    fake_ticks::Tick(Panel());
    EXPECT_EQ(Remaining(Panel()), (Digits4{L"9", L"9", L"5", L"8"}));
    EXPECT_EQ(theApp.m_pTimerDlg->m_strMessage, L"タイマー：　99 分 59 秒 経過しました。");
    EXPECT_EQ(store::ReadString(kTimerHistoryValue), L"99:59|05:00|");
}

TEST_F(Timer, QuickSetCommandsStartTheTimerAndBringItsPanelToTheFront)
{
    const struct {
        UINT command;
        Digits4 digits;
    } quickSets[] = {
        {ID_QUICK_TIMER1, {L"0", L"1", L"0", L"0"}},
        {ID_QUICK_TIMER3, {L"0", L"3", L"0", L"0"}},
        {ID_QUICK_TIMER5, {L"0", L"5", L"0", L"0"}},
        {ID_QUICK_TIMER10, {L"1", L"0", L"0", L"0"}},
    };
    for (const auto& quickSet : quickSets) {
        ::SendMessageW(theApp.m_pMainWnd->m_hWnd, WM_COMMAND, quickSet.command, 0);
        const std::wstring entry = quickSet.digits[0] + quickSet.digits[1] + L":00";
        EXPECT_EQ(theApp.m_nTimerState, 1) << entry;
        EXPECT_EQ(Digits(Panel()), quickSet.digits);
        EXPECT_EQ(Remaining(Panel()), quickSet.digits);
        EXPECT_EQ(theApp.m_pTimerDlg->m_history.front(), entry);
        EXPECT_EQ(store::ReadString(kTimerHistoryValue).value_or(L"").substr(0, 6), entry + L"|");
        EXPECT_EQ(StatusLine(IDC_STATUS_TIMER), Japanese(TextId::StatusSet));
        EXPECT_TRUE(IsIconActive());
        EXPECT_TRUE(::IsWindowVisible(Panel()));
        EXPECT_TRUE(IsTopmost(Panel()));
        Click(Panel(), IDC_SET);
        ASSERT_EQ(theApp.m_nTimerState, 0);
    }
    EXPECT_EQ(store::ReadString(kTimerHistoryValue), L"10:00|05:00|03:00|01:00|");

    // A minute's worth of ticks runs the one-minute timer out with its own notice.
    ::SendMessageW(theApp.m_pMainWnd->m_hWnd, WM_COMMAND, ID_QUICK_TIMER1, 0);
    Watcher().Then([](HWND notice) {
        EXPECT_EQ(ControlText(notice, IDC_NOTICE_TEXT), L"タイマー：　01 分 00 秒 経過しました。");
        EndPopup(notice, 0);
    });
    fake_ticks::Ticks(Panel(), 59);
    EXPECT_EQ(Watcher().SeenCount(), 0);
    fake_ticks::Tick(Panel());
    EXPECT_EQ(Watcher().SeenCount(), 1);
}

}  // namespace
