// What the alarm and the power-off panel share: Set with its refusal of hours above 23, the target today or
// tomorrow, the hours and minutes left by the minute of the day, and the ticks that count.
#include <cstdint>

#include "app/HourgladeApp.h"
#include "app/Settings.h"
#include "controls/ErrDlg.h"
#include "panels/AlarmDlg.h"
#include "panels/ShutdownDlg.h"
#include "panels/TimeOfDay.h"
#include "res/resource.h"
#include "tests/TextList.h"
#include "tests/wine/FakeTime.h"
#include "tests/wine/PowerRecorder.h"
#include "tests/wine/TimeOfDayHarness.h"

namespace {

constexpr Panel kTimeOfDayPanels[] = {Panel::Alarm, Panel::Shutdown};

const char* NameOf(Panel panel)
{
    return panel == Panel::Alarm ? "alarm" : "power-off";
}

int StatusLineOf(Panel panel)
{
    return panel == Panel::Alarm ? IDC_STATUS_ALARM : IDC_STATUS_SHUTDOWN;
}

using TimeOfDayPanel = TimeFieldTest;

TEST_F(TimeOfDayPanel, SetRunsTheClockUntilTheTargetTodayOrTomorrowAndReleasingItReturnsToIdle)
{
    // Today or tomorrow, and the time left by the minute of the day, are TimeOfDayTest's; here, that Set asks them.
    const struct {
        std::int64_t now;
        DigitTexts digits;
        std::int64_t target;
        DigitTexts remaining;
    } cases[] = {
        {At(10, 0, 30), {L"1", L"0", L"0", L"2"}, At(10, 2), {L"0", L"0", L"0", L"2"}},
        {At(23, 30, 45), {L"2", L"3", L"2", L"9"}, Tomorrow(23, 29), {L"2", L"3", L"5", L"9"}},
    };
    for (const Panel panel : kTimeOfDayPanels) {
        for (const auto& set : cases) {
            fake_time::Set(set.now);
            SetAndStart(panel, set.digits);
            EXPECT_EQ(TimeOfDayObject(panel).m_tTarget, set.target) << NameOf(panel) << " " << MinuteOfDayText(set.now);
            EXPECT_EQ(Remaining(WindowOf(panel)), set.remaining) << NameOf(panel) << " " << MinuteOfDayText(set.now);
            EXPECT_TRUE(IsPressedIn(WindowOf(panel), IDC_SET));
            EXPECT_FALSE(IsEnabled(WindowOf(panel), IDC_HISTORY));
            EXPECT_EQ(StatusLine(StatusLineOf(panel)), Japanese(TextId::StatusSet));
            EXPECT_TRUE(IsIconActive());

            Click(WindowOf(panel), IDC_SET);
            EXPECT_EQ(StateOf(panel), 0);
            EXPECT_EQ(Remaining(WindowOf(panel)), (DigitTexts{L"0", L"0", L"0", L"0"}));
            EXPECT_TRUE(IsEnabled(WindowOf(panel), IDC_HISTORY));
            EXPECT_EQ(StatusLine(StatusLineOf(panel)), Japanese(TextId::StatusNotSet));
            EXPECT_FALSE(IsIconActive());
            // The set time stays for the next start.
            EXPECT_EQ(Digits(WindowOf(panel)), set.digits);
        }
    }
}

TEST_F(TimeOfDayPanel, AnHourAbove23IsRefusedBelowTheFirstDigitAndSetIsReleasedAfterwards)
{
    const struct {
        Panel panel;
        DigitTexts digits;
    } cases[] = {{Panel::Alarm, {L"2", L"4", L"0", L"0"}}, {Panel::Shutdown, {L"2", L"9", L"5", L"9"}}};
    for (const auto& [panel, digits] : cases) {
        const RECT firstDigit = ScreenRectOf(WindowOf(panel), IDC_DIGIT1);
        Watcher().Then([&](HWND popup) {
            EXPECT_NE(dynamic_cast<ErrDlg*>(CWnd::FromHandle(popup)), nullptr) << "not the error popup";
            EXPECT_EQ(ControlText(popup, IDC_ERROR_TEXT), Japanese(TextId::RefusalHourAbove23));
            RECT place{};
            ::GetWindowRect(popup, &place);
            EXPECT_EQ(place.left, firstDigit.left);
            EXPECT_EQ(place.top, firstDigit.bottom);
            EXPECT_EQ(place.right - place.left, static_cast<int>(178 * theApp.m_dScaleX));
            EXPECT_TRUE(IsPressedIn(WindowOf(panel), IDC_SET)) << "released before the popup closed";
            PostKey(popup, VK_ESCAPE);
        });
        SetAndStart(panel, digits);
        EXPECT_FALSE(IsPressedIn(WindowOf(panel), IDC_SET)) << NameOf(panel);
        EXPECT_EQ(StateOf(panel), 0);
        EXPECT_TRUE(IsEnabled(WindowOf(panel), IDC_HISTORY));
        EXPECT_EQ(Digits(WindowOf(panel)), digits);
        EXPECT_TRUE(PanelObject(panel).m_history.empty());
    }
    EXPECT_EQ(Watcher().SeenCount(), 2);
    EXPECT_FALSE(store::KeyExists()) << "a refused Set wrote the store";
}

// Past the target, a tick while the clock runs would ring or power off.
TEST_F(TimeOfDayPanel, TicksOfAnotherTimerOrAfterResetChangeNothing)
{
    for (const Panel panel : kTimeOfDayPanels) {
        fake_time::Set(At(10, 0, 30));
        SetAndStart(panel, {L"1", L"0", L"0", L"2"});
        fake_time::Set(At(10, 2, 0));
        ::SendMessageW(WindowOf(panel), WM_TIMER, TimeOfDayObject(panel).m_nTimerID + 1, 0);
        EXPECT_EQ(Remaining(WindowOf(panel)), (DigitTexts{L"0", L"0", L"0", L"2"})) << NameOf(panel);
        EXPECT_EQ(StateOf(panel), 1);

        TimeOfDayObject(panel).Reset();
        EXPECT_EQ(StateOf(panel), 0);
        EXPECT_FALSE(IsPressedIn(WindowOf(panel), IDC_SET));
        EXPECT_TRUE(IsEnabled(WindowOf(panel), IDC_HISTORY));
        Tick(panel);
        EXPECT_EQ(Remaining(WindowOf(panel)), (DigitTexts{L"0", L"0", L"0", L"0"})) << NameOf(panel);
        EXPECT_EQ(StateOf(panel), 0);
    }
    EXPECT_EQ(Watcher().SeenCount(), 0);
    EXPECT_TRUE(power_recorder::Actions().empty());
}

}  // namespace
