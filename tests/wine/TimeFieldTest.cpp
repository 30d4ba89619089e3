// The time field's rules in the three panels that have one: no digit changes while the clock runs, and the preset
// from the history when the panel is shown from the menu.
#include <cstdint>
#include <vector>

#include "app/HourgladeApp.h"
#include "controls/ErrDlg.h"
#include "panels/TimeOfDay.h"
#include "res/resource.h"
#include "tests/TextList.h"
#include "tests/wine/FakeTime.h"
#include "tests/wine/TimeFieldHarness.h"

namespace {

// A clock shown as running or paused without running it: its state alone, as the panels read it.
void PretendState(Panel panel, std::int32_t state)
{
    theApp.SetClockState(panel, state, StatusRefresh::ByCaller);
}

// A local time of day on an ordinary day.
std::int64_t TodayAt(int hour, int minute)
{
    return FromLocalTime({2026, 5, 12, hour, minute, 0}).value();
}

using TimeField = TimeFieldTest;

TEST_F(TimeField, RefusesDigitChangesBelowTheClickedButtonWhileTheClockRuns)
{
    // The timer refuses when paused as well.
    const struct {
        Panel panel;
        std::int32_t state;
        int button;
    } cases[] = {{Panel::Alarm, 1, IDC_DIGIT1}, {Panel::Timer, 2, IDC_DIGIT4}, {Panel::Shutdown, 1, IDC_DIGIT2}};
    for (const auto& running : cases) {
        const HWND panel = ShowPanel(running.panel);
        SetDigits(panel, {L"1", L"2", L"3", L"4"});
        PretendState(running.panel, running.state);
        const RECT button = ScreenRectOf(panel, running.button);
        Watcher().Then([&](HWND popup) {
            EXPECT_NE(dynamic_cast<ErrDlg*>(CWnd::FromHandle(popup)), nullptr) << "not the error popup";
            EXPECT_EQ(ControlText(popup, IDC_ERROR_TEXT), Japanese(TextId::RefusalWhileRunning));
            RECT place{};
            ::GetWindowRect(popup, &place);
            EXPECT_EQ(place.left, button.left);
            EXPECT_EQ(place.top, button.bottom);
            PostKey(popup, VK_ESCAPE);
        });
        Click(panel, running.button);
        EXPECT_EQ(Digits(panel), (DigitTexts{L"1", L"2", L"3", L"4"}));
        PretendState(running.panel, 0);
    }
    EXPECT_EQ(Watcher().SeenCount(), 3);
}

// Which entry is next is PresetEntry's table; here, that both panels ask it with the minute of the wall time.
TEST_F(TimeField, AlarmAndPowerOffArePresetWithTheNextUpcomingEntry)
{
    const struct {
        Panel panel;
        int hour;
        int minute;
        DigitTexts preset;
    } cases[] = {
        {Panel::Alarm, 7, 30, {L"0", L"8", L"1", L"5"}},
        {Panel::Shutdown, 8, 14, {L"0", L"8", L"1", L"5"}},
    };
    for (const auto& shown : cases) {
        PanelObject(shown.panel).m_history = {L"07:30", L"08:15", L"06:00"};
        fake_time::Set(TodayAt(shown.hour, shown.minute));
        const HWND panel = ShowPanel(shown.panel);
        EXPECT_EQ(Digits(panel), shown.preset) << "at " << shown.hour << ":" << shown.minute;
    }
}

// At 00:59 the next upcoming entry would be 03:00.
TEST_F(TimeField, TimerIsPresetWithItsMostRecentEntry)
{
    PanelObject(Panel::Timer).m_history = {L"10:00", L"03:00"};
    fake_time::Set(TodayAt(0, 59));
    SetDigits(PanelObject(Panel::Timer).m_hWnd, {L"9", L"9", L"9", L"9"});
    EXPECT_EQ(Digits(ShowPanel(Panel::Timer)), (DigitTexts{L"1", L"0", L"0", L"0"}));
}

TEST_F(TimeField, EmptyHistoryPresetsZerosAndARunningClockKeepsItsDigits)
{
    fake_time::Set(TodayAt(12, 0));
    for (const Panel shown : {Panel::Alarm, Panel::Timer, Panel::Shutdown}) {
        SetDigits(PanelObject(shown).m_hWnd, {L"1", L"2", L"3", L"4"});
        EXPECT_EQ(Digits(ShowPanel(shown)), (DigitTexts{L"0", L"0", L"0", L"0"}));

        PanelObject(shown).m_history = {L"05:00"};
        SetDigits(PanelObject(shown).m_hWnd, {L"1", L"2", L"3", L"4"});
        PretendState(shown, 1);
        EXPECT_EQ(Digits(ShowPanel(shown)), (DigitTexts{L"1", L"2", L"3", L"4"}));
        PretendState(shown, 0);
    }
}

// Typed with real key presses at the focused digit button; each allowed digit moves the focus on, the last to Set.
TEST_F(TimeField, TypedDigitsFillTheButtonsAndTheFocusMovesOnToSet)
{
    const HWND panel = ShowPanel(Panel::Alarm);
    SetDigits(panel, {L"0", L"0", L"0", L"0"});
    FocusControl(panel, IDC_DIGIT1);
    PressKeys({'1', VK_NUMPAD9, '4'});
    PumpMessages();
    EXPECT_EQ(Digits(panel), (DigitTexts{L"1", L"9", L"4", L"0"}));
    EXPECT_EQ(::GetFocus(), ::GetDlgItem(panel, IDC_DIGIT4));
    PressKeys({VK_NUMPAD5});
    PumpMessages();
    EXPECT_EQ(Digits(panel), (DigitTexts{L"1", L"9", L"4", L"5"}));
    EXPECT_EQ(::GetFocus(), ::GetDlgItem(panel, IDC_SET));
}

// The alarm's hour tens allow 0 to 2 and its minute tens 0 to 5, as in the digit picker.
TEST_F(TimeField, DigitsThePositionDoesNotAllowOnlyBeep)
{
    BeepCounter beeps;
    ASSERT_TRUE(beeps.IsApplied());
    const HWND panel = ShowPanel(Panel::Alarm);
    SetDigits(panel, {L"1", L"1", L"1", L"1"});
    const struct {
        int button;
        WORD key;
    } refused[] = {{IDC_DIGIT1, VK_NUMPAD3}, {IDC_DIGIT3, '6'}};
    for (const auto& typed : refused) {
        FocusControl(panel, typed.button);
        PressKeys({typed.key});
        PumpMessages();
        EXPECT_EQ(::GetFocus(), ::GetDlgItem(panel, typed.button));
    }
    EXPECT_EQ(beeps.Count(), 2);
    EXPECT_EQ(Digits(panel), (DigitTexts{L"1", L"1", L"1", L"1"}));
}

// Where each key leads, up to the ends of the digits, is FocusAfter's table.
TEST_F(TimeField, LeftRightAndBackspaceMoveBetweenTheDigitsOnly)
{
    const HWND panel = ShowPanel(Panel::Timer);
    SetDigits(panel, {L"1", L"2", L"3", L"4"});
    FocusControl(panel, IDC_DIGIT2);
    const struct {
        WORD key;
        int focused;
    } moves[] = {{VK_LEFT, IDC_DIGIT1}, {VK_RIGHT, IDC_DIGIT2}, {VK_RIGHT, IDC_DIGIT3}, {VK_BACK, IDC_DIGIT2}};
    for (const auto& move : moves) {
        PressKeys({move.key});
        PumpMessages();
        EXPECT_EQ(::GetDlgCtrlID(::GetFocus()), move.focused) << "after key " << move.key;
    }
    EXPECT_EQ(Digits(panel), (DigitTexts{L"1", L"2", L"3", L"4"}));
}

TEST_F(TimeField, TypingWhileTheClockRunsIsRefusedAsAClickIs)
{
    const HWND panel = ShowPanel(Panel::Timer);
    SetDigits(panel, {L"1", L"2", L"3", L"4"});
    theApp.m_nTimerState = 2;
    FocusControl(panel, IDC_DIGIT3);
    Watcher().Then([](HWND popup) {
        EXPECT_EQ(ControlText(popup, IDC_ERROR_TEXT), Japanese(TextId::RefusalWhileRunning));
        PostKey(popup, VK_ESCAPE);
    });
    PressKeys({'5'});
    PumpMessages();
    EXPECT_EQ(Watcher().SeenCount(), 1);
    EXPECT_EQ(Digits(panel), (DigitTexts{L"1", L"2", L"3", L"4"}));
    theApp.m_nTimerState = 0;
}

}  // namespace
