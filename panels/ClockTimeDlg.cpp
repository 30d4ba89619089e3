#include "panels/ClockTimeDlg.h"

#include "app/Clock.h"
#include "app/HourgladeApp.h"
#include "controls/ErrDlg.h"
#include "framework/Report.h"
#include "panels/ClockTime.h"
#include "panels/TimeEntry.h"
#include "res/resource.h"

namespace {
constexpr UINT_PTR kClockTimerId = 1;
constexpr UINT kTickMilliseconds = 1000;
}  // namespace

// clang-format off
BEGIN_MESSAGE_MAP(ClockTimeDlg, TimeFieldDlg)
    ON_COMMAND(IDC_SET, OnSet)
    ON_WM_TIMER()
END_MESSAGE_MAP()
// clang-format on

ClockTimeDlg::ClockTimeDlg(UINT templateId, Clock clock, const wchar_t* historyValue)
    : TimeFieldDlg(templateId, clock, Params{{2, 9, 5, 9}, historyValue, PresetRule::NextUpcoming})
{
}

// Set has already been toggled by the click: pressed in starts the clock, released cancels it.
void ClockTimeDlg::OnSet()
{
    if (m_btnSet.GetCheck() == BST_CHECKED) {
        if (const std::optional<ClockSetting> setting = AcceptedSetting()) Start(*setting);
    } else {
        ReturnToIdle();
    }
}

std::optional<ClockSetting> ClockTimeDlg::AcceptedSetting()
{
    ClockSetting setting = ClockSettingOf(DigitTexts());
    if (setting.hour <= kHighestHour) return setting;
    const RECT firstDigit = m_btnDigit1.GetWindowRect();
    ErrDlg refusal(theApp.Text(TextId::RefusalHourAbove23), firstDigit.left, firstDigit.bottom);
    refusal.DoModal();
    m_btnSet.SetCheck(BST_UNCHECKED);
    return std::nullopt;
}

void ClockTimeDlg::Start(const ClockSetting& setting)
{
    const std::int64_t now = CurrentTime();
    // Only a wall clock outside the years the run-time converts has no target; it is reached at once.
    m_tTarget = TargetOfClockTime(now, setting.hour, setting.minute).value_or(now);
    RunClock(now);
    OnClockStarted(setting);
    AddToHistory(EntryOfDigits(DigitTexts()));
}

void ClockTimeDlg::RunClock(std::int64_t now)
{
    m_btnSet.SetCheck(BST_CHECKED);
    ShowRemainingAt(now);
    m_nTimerID = ::SetTimer(m_hWnd, kClockTimerId, kTickMilliseconds, nullptr);
    if (!m_nTimerID) ReportFailure(L"Starting the window timer of a clock time", Failure::Unhandled);
    SetState(1);
}

// A tick of another timer, or one that comes after the clock has stopped, changes nothing.
void ClockTimeDlg::OnTimer(UINT_PTR eventId)
{
    if (eventId != m_nTimerID || !IsClockRunning()) return;
    OnClockTick(ShowRemainingAt(CurrentTime()));
    if (IsClockRunning()) theApp.ClockTicked();
}

std::int64_t ClockTimeDlg::ShowRemainingAt(std::int64_t now)
{
    const std::int64_t secs = RemainingSeconds(m_tTarget, now);
    ShowDigits(RemainingDigits(secs));
    return secs;
}

void ClockTimeDlg::Reset()
{
    if (IsClockRunning()) ::KillTimer(m_hWnd, m_nTimerID);
    SetState(0, StatusRefresh::ByCaller);
    m_btnSet.SetCheck(BST_UNCHECKED);
    ClearDigits();
}
