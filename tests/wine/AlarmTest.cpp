// The alarm: its notice at the target minute, the stored alarm, and the alarm taken up again at start-up.
#include <optional>
#include <string>

#include "app/HourgladeApp.h"
#include "app/Settings.h"
#include "panels/AlarmDlg.h"
#include "panels/TimeOfDay.h"
#include "res/resource.h"
#include "tests/TextList.h"
#include "tests/wine/FakeTime.h"
#include "tests/wine/TimeOfDayHarness.h"

namespace {

AlarmDlg& Object()
{
    return *theApp.m_pAlarmDlg;
}

HWND AlarmPanel()
{
    return Object().m_hWnd;
}

void SetAlarm(const DigitTexts& digits)
{
    SetAndStart(Panel::Alarm, digits);
}

void TickAlarm()
{
    Tick(Panel::Alarm);
}

// Closes the notice once it has shown the text, with the alarm already off everywhere.
PopupWatcher::Action Notice(const std::wstring& text)
{
    return [text](HWND notice) {
        EXPECT_EQ(ControlText(notice, IDC_NOTICE_TEXT), text);
        EXPECT_EQ(theApp.m_nAlarmState, 0);
        EXPECT_FALSE(IsPressedIn(AlarmPanel(), IDC_SET));
        EXPECT_TRUE(IsEnabled(AlarmPanel(), IDC_HISTORY));
        EXPECT_EQ(Remaining(AlarmPanel()), (DigitTexts{L"0", L"0", L"0", L"0"}));
        EXPECT_EQ(StatusLine(IDC_STATUS_ALARM), Japanese(TextId::StatusNotSet));
        EXPECT_FALSE(IsIconActive());
        EXPECT_EQ(store::ReadDword(kAlarmStateValue), 0u);
        EndPopup(notice, 0);
    };
}

using Alarm = StartedAppTest;

TEST_F(Alarm, CountsDownByTheMinuteOfTheDayAndRingsOnceAtTheFirstTickOfTheTargetMinute)
{
    fake_time::Set(At(10, 0, 30));
    SetAlarm({L"1", L"0", L"0", L"2"});
    EXPECT_EQ(Remaining(AlarmPanel()), (DigitTexts{L"0", L"0", L"0", L"2"}));
    // The time left by the minute of the day is TimeOfDayTest's; a tick shows it.
    fake_time::Set(At(10, 1, 59));
    TickAlarm();
    EXPECT_EQ(Remaining(AlarmPanel()), (DigitTexts{L"0", L"0", L"0", L"1"}));
    EXPECT_EQ(Watcher().SeenCount(), 0) << "rang early";

    Watcher().Then(Notice(L"アラーム：　　10 時 02 分 です。"));
    fake_time::Set(At(10, 2, 0));
    TickAlarm();
    EXPECT_EQ(Watcher().SeenCount(), 1);
    TickAlarm();
    EXPECT_EQ(Watcher().SeenCount(), 1) << "rang twice";
    EXPECT_EQ(Digits(AlarmPanel()), (DigitTexts{L"1", L"0", L"0", L"2"}));
}

TEST_F(Alarm, RingsAtTheFirstTickWhenTheTargetMinuteHasComeOrPassed)
{
    const struct {
        std::int64_t setAt;
        DigitTexts digits;
        std::int64_t tickAt;
        const wchar_t* notice;
    } cases[] = {
        // Set during second 0 of its own minute.
        {At(10, 0, 0), {L"1", L"0", L"0", L"0"}, At(10, 0, 0), L"アラーム：　　10 時 00 分 です。"},
        // The computer slept past the target.
        {At(10, 0, 30), {L"1", L"0", L"0", L"2"}, At(13, 0, 0), L"アラーム：　　10 時 02 分 です。"},
    };
    for (const auto& late : cases) {
        fake_time::Set(late.setAt);
        SetAlarm(late.digits);
        Watcher().Then(Notice(late.notice));
        fake_time::Set(late.tickAt);
        TickAlarm();
    }
    EXPECT_EQ(Watcher().SeenCount(), 2);
}

TEST_F(Alarm, SetStoresTheAlarmAndItsTimeAndReleasingStoresOnlyThatItIsOff)
{
    Object().m_history = {L"06:00", L"07:30"};
    fake_time::Set(At(12, 0, 0));
    SetAlarm({L"0", L"7", L"3", L"0"});
    EXPECT_EQ(store::ReadDword(kAlarmStateValue), 1u);
    const std::optional<std::wstring> target = store::ReadString(kAlarmTargetValue);
    ASSERT_TRUE(target);
    EXPECT_EQ(*target, FormatTargetText(Tomorrow(7, 30)));
    EXPECT_TRUE(target->ends_with(L"073000")) << *target;
    EXPECT_EQ(store::ReadString(kAlarmHistoryValue), L"07:30|06:00|");
    EXPECT_EQ(Object().m_strMessage, L"アラーム：　　07 時 30 分 です。");

    Click(AlarmPanel(), IDC_SET);
    EXPECT_EQ(store::ReadDword(kAlarmStateValue), 0u);
    EXPECT_EQ(store::ReadString(kAlarmTargetValue), target);
    EXPECT_EQ(store::ReadString(kAlarmHistoryValue), L"07:30|06:00|");
}

// The application started on the stored values the test prepared.
class AlarmRestore : public AppTest {
protected:
    void TearDown() override
    {
        m_watcher.reset();
        AppTest::TearDown();
    }

    // Starts the application, then fails any popup that opens without the test expecting it.
    void Start()
    {
        StartApp();
        m_watcher.emplace();
    }
    void End()
    {
        m_watcher.reset();
        EndApp();
    }

    void StartWithStoredAlarm(DWORD state, const std::wstring& targetText)
    {
        store::WriteDword(kAlarmStateValue, state);
        store::WriteString(kAlarmTargetValue, targetText);
        Start();
    }
    void ExpectOffAndStoreUntouched(DWORD state, const std::wstring& targetText)
    {
        EXPECT_EQ(theApp.m_nAlarmState, 0);
        EXPECT_FALSE(IsPressedIn(AlarmPanel(), IDC_SET));
        EXPECT_TRUE(IsEnabled(AlarmPanel(), IDC_HISTORY));
        EXPECT_EQ(Remaining(AlarmPanel()), (DigitTexts{L"0", L"0", L"0", L"0"}));
        EXPECT_EQ(StatusLine(IDC_STATUS_ALARM), Japanese(TextId::StatusNotSet));
        EXPECT_EQ(store::ReadDword(kAlarmStateValue), state);
        EXPECT_EQ(store::ReadString(kAlarmTargetValue), targetText);
        EXPECT_EQ(m_watcher->SeenCount(), 0) << "a popup opened";
    }

    std::optional<PopupWatcher> m_watcher;
};

TEST_F(AlarmRestore, ATargetAheadIsSetAgainWithoutWritingTheStoreAndRingsAtItsMinute)
{
    fake_time::Set(At(9, 15, 40));
    store::WriteString(kAlarmHistoryValue, L"08:00|");
    const std::wstring targetText = FormatTargetText(At(10, 15));
    StartWithStoredAlarm(1, targetText);

    EXPECT_EQ(theApp.m_nAlarmState, 1);
    EXPECT_TRUE(IsPressedIn(AlarmPanel(), IDC_SET));
    EXPECT_EQ(Remaining(AlarmPanel()), (DigitTexts{L"0", L"1", L"0", L"0"}));
    EXPECT_EQ(Digits(AlarmPanel()), (DigitTexts{L"1", L"0", L"1", L"5"}));
    EXPECT_FALSE(IsEnabled(AlarmPanel(), IDC_HISTORY));
    EXPECT_EQ(StatusLine(IDC_STATUS_ALARM), Japanese(TextId::StatusSet));
    EXPECT_TRUE(IsIconActive());
    EXPECT_EQ(store::ReadDword(kAlarmStateValue), 1u);
    EXPECT_EQ(store::ReadString(kAlarmTargetValue), targetText);
    EXPECT_EQ(store::ReadString(kAlarmHistoryValue), L"08:00|");
    EXPECT_EQ(Object().m_history, (HistoryList{L"08:00"}));

    m_watcher->Then(Notice(L"アラーム：　　10 時 15 分 です。"));
    fake_time::Set(At(10, 15, 0));
    TickAlarm();
    EXPECT_EQ(m_watcher->SeenCount(), 1);
}

TEST_F(AlarmRestore, ATargetOnALaterDayKeepsItsDate)
{
    fake_time::Set(At(6, 0, 0));
    StartWithStoredAlarm(1, FormatTargetText(Tomorrow(7, 0)));
    EXPECT_EQ(theApp.m_nAlarmState, 1);
    EXPECT_EQ(Object().m_tTarget, Tomorrow(7, 0));
    fake_time::Set(At(7, 0, 0));
    TickAlarm();
    EXPECT_EQ(Remaining(AlarmPanel()), (DigitTexts{L"0", L"0", L"0", L"0"}));
    EXPECT_EQ(theApp.m_nAlarmState, 1);
    EXPECT_EQ(m_watcher->SeenCount(), 0) << "rang a day early";
}

TEST_F(AlarmRestore, ATargetBehindOrAStoredStateOf0LeavesTheAlarmOff)
{
    fake_time::Set(At(10, 0, 0));
    const struct {
        DWORD state;
        std::wstring targetText;
        DigitTexts digits;
    } cases[] = {{1, FormatTargetText(At(9, 59)), {L"0", L"9", L"5", L"9"}},
                 {0, FormatTargetText(At(11, 30)), {L"0", L"0", L"0", L"0"}}};
    for (const auto& stored : cases) {
        StartWithStoredAlarm(stored.state, stored.targetText);
        EXPECT_EQ(Digits(AlarmPanel()), stored.digits) << "state " << stored.state;
        ExpectOffAndStoreUntouched(stored.state, stored.targetText);
        End();
    }
}

// Which texts name a time is ParseTargetText's table.
TEST_F(AlarmRestore, AStoredTargetThatNamesNoTimeCountsAsNoAlarm)
{
    fake_time::Set(At(10, 0, 0));
    const std::wstring malformed[] = {L"", L"20260231113000"};
    for (const std::wstring& targetText : malformed) {
        StartWithStoredAlarm(1, targetText);
        EXPECT_EQ(Digits(AlarmPanel()), (DigitTexts{L"0", L"0", L"0", L"0"})) << "\"" << targetText << "\"";
        ExpectOffAndStoreUntouched(1, targetText);
        End();
        store::Clear();
    }

    // Of another type, the target reads as the default, which has passed.
    const DWORD number = 20260512;
    store::WriteDword(kAlarmStateValue, 1);
    store::WriteRaw(kAlarmTargetValue, REG_DWORD, &number, sizeof number);
    Start();
    EXPECT_EQ(theApp.m_nAlarmState, 0);
    EXPECT_FALSE(IsPressedIn(AlarmPanel(), IDC_SET));
    EXPECT_EQ(store::ReadDword(kAlarmStateValue), 1u);
}

TEST_F(AlarmRestore, WithoutStoredValuesNothingIsSetAndNothingIsWritten)
{
    // That nothing is set or written is StartUp.FirstRunHasEmptyHistoriesAndWritesNothing's.
    Start();
    EXPECT_EQ(Digits(AlarmPanel()), (DigitTexts{L"0", L"0", L"0", L"0"}));
    // Noon of 1 January 1970, where the local time has one.
    EXPECT_EQ(Object().m_tTarget, FromLocalTime({1970, 1, 1, 12, 0, 0}).value_or(0));
}

TEST_F(AlarmRestore, TheNoticeReadsTheSameWhetherBuiltAtSetOrAtTheRestore)
{
    const std::wstring notice = L"アラーム：　　07 時 05 分 です。";
    fake_time::Set(At(6, 0, 0));
    Start();
    SetAlarm({L"0", L"7", L"0", L"5"});
    EXPECT_EQ(Object().m_strMessage, notice);

    // Ended as a log-off ends it: the alarm stays stored as set.
    End();
    Start();
    ASSERT_EQ(theApp.m_nAlarmState, 1);
    EXPECT_EQ(Object().m_strMessage, notice);
}

}  // namespace
