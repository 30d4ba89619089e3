// The counter: counting up to 99:59, its overflow at 100 minutes, and the quick start from the main panel.
#include <string>

#include "app/HourgladeApp.h"
#include "panels/CounterDlg.h"
#include "res/resource.h"
#include "tests/TextList.h"
#include "tests/wine/FakeSecondTicks.h"
#include "tests/wine/PanelDriver.h"

namespace {

using Digits4 = std::array<std::wstring, 4>;

class Counter : public StartedAppTest {
protected:
    static HWND Panel() { return theApp.m_pCounterDlg->m_hWnd; }
};

TEST_F(Counter, CountsTo9959AndOverflowsAtTheHundredthMinuteWithItsNotice)
{
    Click(Panel(), IDC_SET);
    // The count comes from the steady time: one tick 5999 seconds on finds them all.
    fake_ticks::TickAfter(Panel(), 5999 * 1000);
    EXPECT_EQ(Remaining(Panel()), (Digits4{L"9", L"9", L"5", L"9"}));
    EXPECT_EQ(theApp.m_nCounterState, 1);

    Watcher().Then([](HWND notice) {
        EXPECT_EQ(ControlText(notice, IDC_NOTICE_TEXT), Japanese(TextId::CounterOverflow));
        EXPECT_EQ(theApp.m_nCounterState, 0);
        EXPECT_EQ(Remaining(Panel()), (Digits4{L"0", L"0", L"0", L"0"}));
        EXPECT_FALSE(IsPressedIn(Panel(), IDC_SET));
        EXPECT_FALSE(IsPressedIn(Panel(), IDC_STOP));
        EXPECT_FALSE(IsEnabled(Panel(), IDC_STOP));
        EXPECT_EQ(StatusLine(IDC_STATUS_COUNTER), Japanese(TextId::StatusNotSet));
        EXPECT_FALSE(IsIconActive());
        EndPopup(notice, 0);
    });
    fake_ticks::Tick(Panel());
    EXPECT_EQ(Watcher().SeenCount(), 1);
    EXPECT_EQ(fake_ticks::Running(Panel()), 0u);
}

TEST_F(Counter, QuickStartCountsFromZeroInFrontAndHidingThePanelStopsNothing)
{
    Click(Panel(), IDC_SET);
    fake_ticks::Ticks(Panel(), 125);
    Click(Panel(), IDC_SET);

    ::SendMessageW(theApp.m_pMainWnd->m_hWnd, WM_COMMAND, ID_QUICK_COUNTER, 0);
    EXPECT_EQ(theApp.m_nCounterState, 1);
    EXPECT_TRUE(IsPressedIn(Panel(), IDC_SET));
    EXPECT_TRUE(IsEnabled(Panel(), IDC_STOP));
    EXPECT_TRUE(::IsWindowVisible(Panel()));
    EXPECT_TRUE(IsTopmost(Panel()));
    EXPECT_EQ(StatusLine(IDC_STATUS_COUNTER), Japanese(TextId::StatusSet));
    EXPECT_TRUE(IsIconActive());
    fake_ticks::Tick(Panel());
    EXPECT_EQ(Remaining(Panel()), (Digits4{L"0", L"0", L"0", L"1"}));

    ::SendMessageW(Panel(), WM_COMMAND, IDCANCEL, 0);
    EXPECT_FALSE(::IsWindowVisible(Panel()));
    fake_ticks::Tick(Panel());
    EXPECT_EQ(theApp.m_pCounterDlg->m_nCount, 2);
    EXPECT_EQ(StatusLine(IDC_STATUS_COUNTER), Japanese(TextId::StatusSet));
}

}  // namespace
