#include "panels/TimeOfDayDlg.h"

#include "app/HourgladeApp.h"
#include "framework/Report.h"
#include "panels/TimeEntry.h"
#include "panels/TimeOfDay.h"
#include "res/resource.h"
#include "system/Now.h"

namespace {
constexpr UINT_PTR kTickTimerId = 1;
constexpr UINT kTickMilliseconds = 1000;
}  // namespace

// clang-format off
BEGIN_MESSAGE_MAP(TimeOfDayDlg, TimeFieldDlg)
    ON_COMMAND(IDC_SET, OnSet)
    ON_WM_TIMER()
END_MESSAGE_MAP()
// clang-format on

TimeOfDayDlg::TimeOfDayDlg(UINT templateId, Clock clock, const wchar_t* historyValue)
    : TimeFieldDlg(
          templateId, clock,
          Params{{2, 9, 5, 9},
                 {TextId::PlaceHoursTens, TextId::PlaceHoursUnits, TextId::PlaceMinutesTens, TextId::PlaceMinutesUnits},
                 historyValue,
                 PresetRule::NextUpcoming})
{
}

// Set has already been toggled by the click: pressed in starts the clock, released cancels it.
void TimeOfDayDlg::OnSet()
{
    if (m_btnSet.GetCheck() == BST_CHECKED) {
        if (const std::optional<TimeOfDaySetting> setting = AcceptedSetting()) Start(*setting);
    } else {
        ReturnToIdle();
    }
}

std::optional<TimeOfDaySetting> TimeOfDayDlg::AcceptedSetting()
{
    TimeOfDaySetting setting = TimeOfDaySettingOf(DigitTexts());
    if (setting.hour > kHighestHour)
        Refuse(TextId::RefusalHourAbove23, m_btnDigit1);
    else if (!IsStartRefused())
        return setting;
    m_btnSet.SetCheck(BST_UNCHECKED);
    return std::nullopt;
}

void TimeOfDayDlg::Start(const TimeOfDaySetting& setting)
{
    const std::int64_t now = WallTime();
    // Only a wall time outside the years the run-time converts has no target; it is reached at once.
    m_tTarget = TargetOfTimeOfDay(now, setting.hour, setting.minute).value_or(now);
    RunClock(now);
    OnClockStarted(setting);
    AddToHistory(EntryOfDigits(DigitTexts()));
}

void TimeOfDayDlg::RunClock(std::int64_t now)
{
    m_btnSet.SetCheck(BST_CHECKED);
    ShowRemainingAt(now);
    m_nTimerID = ::SetTimer(m_hWnd, kTickTimerId, kTickMilliseconds, nullptr);
    if (!m_nTimerID) ReportFailure(L"Starting the window timer of a time of day", Failure::Unhandled);
    SetState(state::kRunning);
}

// A tick of another timer, or one that comes after the clock has stopped, changes nothing.
void TimeOfDayDlg::OnTimer(UINT_PTR eventId)
{
    if (eventId != m_nTimerID || !IsClockRunning()) return;
    OnClockTick(ShowRemainingAt(WallTime()));
    if (IsClockRunning()) theApp.ClockTicked();
}

std::int64_t TimeOfDayDlg::ShowRemainingAt(std::int64_t now)
{
    const std::int64_t secs = RemainingSeconds(m_tTarget, now);
    ShowDigits(RemainingDigits(secs));
    return secs;
}

void TimeOfDayDlg::Reset()
{
    if (IsClockRunning()) ::KillTimer(m_hWnd, m_nTimerID);
    SetState(state::kIdle, StatusRefresh::ByCaller);
    m_btnSet.SetCheck(BST_UNCHECKED);
    ClearDigits();
}
