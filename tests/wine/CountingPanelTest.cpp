// What the countdown timer and the counter share: their one-second ticks, paused, resumed, cleared and reset in
// every state, ticks that no longer run, and notices that hold up no other clock.
#include <string>

#include "app/HourgladeApp.h"
#include "app/Settings.h"
#include "panels/AlarmDlg.h"
#include "panels/CounterDlg.h"
#include "panels/ShutdownDlg.h"
#include "panels/TimerDlg.h"
#include "res/resource.h"
#include "tests/TextList.h"
#include "tests/wine/FakeSecondTicks.h"
#include "tests/wine/FakeTime.h"
#include "tests/wine/PanelDriver.h"
#include "tests/wine/TimeFieldHarness.h"

namespace {

using Digits4 = std::array<std::wstring, 4>;

struct CountingPanel {
    const char* name;
    Clock clock;
    int (*count)();
    bool entersTime;  // the timer starts from 03:21, the counter from 0
    Digits4 started;
    Digits4 afterOneTick;
    int countAfterTwoTicks;
    int statusLine;
};

void PrintTo(const CountingPanel& panel, std::ostream* out)
{
    *out << panel.name;
}

// clang-format off
const CountingPanel kTimer{
    "timer",
    Clock::Timer,
    [] { return static_cast<int>(theApp.m_pTimerDlg->m_nRemain); },
    true,
    {L"0", L"3", L"2", L"1"},
    {L"0", L"3", L"2", L"0"},
    199,
    IDC_STATUS_TIMER,
};

const CountingPanel kCounter{
    "counter",
    Clock::Counter,
    [] { return static_cast<int>(theApp.m_pCounterDlg->m_nCount); },
    false,
    {L"0", L"0", L"0", L"0"},
    {L"0", L"0", L"0", L"1"},
    2,
    IDC_STATUS_COUNTER,
};
// clang-format on

class CountingPanels : public StartedAppTest, public ::testing::WithParamInterface<CountingPanel> {
protected:
    HWND Panel() const { return WindowOf(GetParam().clock); }
    int State() const { return StateOf(GetParam().clock); }
    void ResetPanel() const { PanelOf(GetParam().clock).Reset(); }

    void Start()
    {
        if (GetParam().entersTime) SetDigits(Panel(), {L"0", L"3", L"2", L"1"});
        Click(Panel(), IDC_SET);
        ASSERT_EQ(State(), 1);
        ASSERT_EQ(Remaining(Panel()), GetParam().started);
    }
    void ExpectIdle()
    {
        EXPECT_EQ(State(), 0);
        EXPECT_FALSE(IsPressedIn(Panel(), IDC_SET));
        EXPECT_FALSE(IsPressedIn(Panel(), IDC_STOP));
        EXPECT_FALSE(IsEnabled(Panel(), IDC_STOP));
        EXPECT_EQ(Remaining(Panel()), (Digits4{L"0", L"0", L"0", L"0"}));
        EXPECT_EQ(fake_ticks::Running(Panel()), 0u);
    }
};

TEST_P(CountingPanels, PauseResumeAndClearStopAndStartTheTicksAndFollowOnTheMainPanel)
{
    Start();
    EXPECT_EQ(fake_ticks::StartCount(Panel()), 1);
    EXPECT_TRUE(IsEnabled(Panel(), IDC_STOP));
    EXPECT_EQ(StatusLine(GetParam().statusLine), Japanese(TextId::StatusSet));
    EXPECT_TRUE(IsIconActive());
    fake_ticks::Tick(Panel());

    Click(Panel(), IDC_STOP);
    EXPECT_EQ(State(), 2);
    EXPECT_EQ(fake_ticks::StopCount(Panel()), 1);
    EXPECT_EQ(fake_ticks::Running(Panel()), 0u);
    EXPECT_EQ(StatusLine(GetParam().statusLine), Japanese(TextId::StatusPaused));
    EXPECT_FALSE(IsIconActive());

    Click(Panel(), IDC_STOP);
    EXPECT_EQ(State(), 1);
    EXPECT_EQ(fake_ticks::StartCount(Panel()), 2);
    EXPECT_EQ(Remaining(Panel()), GetParam().afterOneTick) << "the pause lost the count";
    EXPECT_TRUE(IsIconActive());
    fake_ticks::Tick(Panel());
    EXPECT_EQ(GetParam().count(), GetParam().countAfterTwoTicks);

    // Clearing a running clock stops it; clearing a paused one has no ticks to stop.
    Click(Panel(), IDC_SET);
    ExpectIdle();
    EXPECT_EQ(fake_ticks::StopCount(Panel()), 2);
    EXPECT_EQ(StatusLine(GetParam().statusLine), Japanese(TextId::StatusNotSet));
    Start();
    Click(Panel(), IDC_STOP);
    Click(Panel(), IDC_SET);
    ExpectIdle();
    EXPECT_EQ(fake_ticks::StopCount(Panel()), 3);
    EXPECT_EQ(StatusLine(GetParam().statusLine), Japanese(TextId::StatusNotSet));
}

// Nothing counts without ticks: a start that finds none leaves the panel idle, a resume leaves it paused.
TEST_P(CountingPanels, AClockThatCannotStartIsNotShownAsRunning)
{
    BeepCounter beeps;
    ASSERT_TRUE(beeps.IsApplied());
    if (GetParam().entersTime) SetDigits(Panel(), {L"0", L"3", L"2", L"1"});
    fake_ticks::FailStarts(1);
    Click(Panel(), IDC_SET);
    ExpectIdle();
    EXPECT_EQ(beeps.Count(), 1);
    EXPECT_EQ(StatusLine(GetParam().statusLine), Japanese(TextId::StatusNotSet));
    EXPECT_FALSE(IsIconActive());
    EXPECT_FALSE(store::ReadString(kTimerHistoryValue)) << "a timer that never ran went into the history";

    Start();
    Click(Panel(), IDC_STOP);
    fake_ticks::FailStarts(1);
    Click(Panel(), IDC_STOP);
    EXPECT_EQ(State(), 2);
    EXPECT_TRUE(IsPressedIn(Panel(), IDC_STOP));
    EXPECT_EQ(beeps.Count(), 2);
    Click(Panel(), IDC_STOP);
    EXPECT_EQ(State(), 1);
    EXPECT_EQ(Remaining(Panel()), GetParam().started) << "the pause lost the count";
}

TEST_P(CountingPanels, TicksThatNoLongerRunChangeNothing)
{
    Start();
    const UINT first = fake_ticks::Running(Panel());
    const int count = GetParam().count();

    Click(Panel(), IDC_STOP);
    fake_ticks::PostTick(Panel(), first);
    PumpMessages();
    EXPECT_EQ(GetParam().count(), count) << "after a pause";

    // Already on its way when the ticks were replaced by the resume.
    Click(Panel(), IDC_STOP);
    fake_ticks::PostTick(Panel(), first);
    PumpMessages();
    EXPECT_EQ(GetParam().count(), count) << "after the ticks were replaced";

    const UINT second = fake_ticks::Running(Panel());
    Click(Panel(), IDC_SET);
    fake_ticks::PostTick(Panel(), second);
    PumpMessages();
    EXPECT_EQ(GetParam().count(), count) << "after a clear";

    Start();
    const UINT third = fake_ticks::Running(Panel());
    ResetPanel();
    fake_ticks::PostTick(Panel(), third);
    PumpMessages();
    EXPECT_EQ(Remaining(Panel()), (Digits4{L"0", L"0", L"0", L"0"})) << "after a reset";
}

TEST_P(CountingPanels, ResetReturnsEveryStateToIdle)
{
    ResetPanel();
    ExpectIdle();
    for (const bool paused : {false, true}) {
        Start();
        fake_ticks::Tick(Panel());
        if (paused) Click(Panel(), IDC_STOP);
        const int stops = fake_ticks::StopCount(Panel());
        ResetPanel();
        ExpectIdle();
        EXPECT_EQ(fake_ticks::StopCount(Panel()), paused ? stops : stops + 1);
    }
}

// The count follows the steady time, however late the ticks come, and a pause drops the part of a second under way.
TEST_P(CountingPanels, CountTheSecondsOfTheSteadyTimeAndNotTheTicks)
{
    enum class Step { Tick, Stop, Wait };
    const struct {
        Step step;
        std::uint64_t milliseconds;
        int counted;
        const char* what;
    } steps[] = {
        {Step::Tick, 3000, 3, "a tick three seconds late"},
        {Step::Tick, 700, 3, "0.7 s into the next second"},
        {Step::Stop, 0, 3, "paused at the count shown"},
        {Step::Wait, 5000, 3, "five seconds paused"},
        {Step::Stop, 0, 3, "resumed"},
        {Step::Tick, 700, 3, "the part of a second before the pause is gone"},
        {Step::Tick, 300, 4, "a full second after the resume"},
    };
    Start();
    const int start = GetParam().count();
    for (const auto& s : steps) {
        if (s.step == Step::Tick) fake_ticks::TickAfter(Panel(), s.milliseconds);
        if (s.step == Step::Stop) Click(Panel(), IDC_STOP);
        if (s.step == Step::Wait) fake_time::AdvanceSteady(s.milliseconds);
        EXPECT_EQ(GetParam().count(), GetParam().entersTime ? start - s.counted : start + s.counted) << s.what;
    }
}

INSTANTIATE_TEST_SUITE_P(TimerAndCounter, CountingPanels, ::testing::Values(kTimer, kCounter),
                         [](const auto& info) { return std::string(info.param.name); });

// A notice left open holds up neither the other clock nor any panel.
class Notices : public StartedAppTest {
protected:
    static HWND Timer() { return theApp.m_pTimerDlg->m_hWnd; }
    static HWND Counter() { return theApp.m_pCounterDlg->m_hWnd; }
    static void ExpectAllPanelsEnabled()
    {
        for (const HWND panel :
             {theApp.m_pMainWnd->m_hWnd, theApp.m_pAlarmDlg->m_hWnd, Timer(), Counter(), theApp.m_pShutdownDlg->m_hWnd})
            EXPECT_TRUE(::IsWindowEnabled(panel));
    }
};

TEST_F(Notices, TheCounterGoesOnWhileTheTimersNoticeIsOpenAndTheOtherWayRound)
{
    Click(Counter(), IDC_SET);
    SetDigits(Timer(), {L"0", L"0", L"0", L"1"});
    Click(Timer(), IDC_SET);
    Watcher().Then([](HWND notice) {
        ExpectAllPanelsEnabled();
        // The second of the timer's last tick has passed for the counter too.
        fake_ticks::Ticks(Counter(), 3);
        EXPECT_EQ(Remaining(Counter()), (Digits4{L"0", L"0", L"0", L"4"}));
        // The idle timer can be set again meanwhile.
        SetDigits(Timer(), {L"0", L"0", L"0", L"2"});
        Click(Timer(), IDC_SET);
        EXPECT_EQ(theApp.m_nTimerState, 1);
        EndPopup(notice, 0);
    });
    fake_ticks::Tick(Timer());
    ASSERT_EQ(Watcher().SeenCount(), 1);

    // The counter a second short of 100 minutes, and the timer set anew to 3 seconds.
    Click(Timer(), IDC_SET);
    fake_time::AdvanceSteady(5995 * 1000);
    SetDigits(Timer(), {L"0", L"0", L"0", L"3"});
    Click(Timer(), IDC_SET);
    Watcher().Then([](HWND notice) {
        ExpectAllPanelsEnabled();
        fake_ticks::Tick(Timer());
        EXPECT_EQ(Remaining(Timer()), (Digits4{L"0", L"0", L"0", L"1"}));
        EndPopup(notice, 0);
    });
    fake_ticks::Tick(Counter());
    EXPECT_EQ(Watcher().SeenCount(), 2);
    EXPECT_EQ(Watcher().PendingCount(), 0u);
}

// No tick comes while the computer sleeps: the first one after finds the end passed, and the notice comes once.
TEST_F(Notices, TheFirstTickAfterASleepPastTheEndRunsOutOnce)
{
    SetDigits(Timer(), {L"0", L"5", L"0", L"0"});
    Click(Timer(), IDC_SET);
    Watcher().Then([](HWND notice) {
        EXPECT_EQ(ControlText(notice, IDC_NOTICE_TEXT), L"タイマー：　05 分 00 秒 経過しました。");
        EXPECT_EQ(Remaining(Timer()), (Digits4{L"0", L"0", L"0", L"0"}));
        EndPopup(notice, 0);
    });
    fake_ticks::TickAfter(Timer(), 10 * 60000);
    fake_ticks::Tick(Timer());
    EXPECT_EQ(Watcher().SeenCount(), 1);
    EXPECT_EQ(fake_ticks::Running(Timer()), 0u);
}

}  // namespace
