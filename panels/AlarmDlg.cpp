#include "panels/AlarmDlg.h"

#include "app/HourgladeApp.h"
#include "app/Settings.h"
#include "panels/TimeOfDay.h"
#include "res/resource.h"
#include "system/Now.h"

namespace {
// The time of day of a target text: its characters 8 to 11.
std::array<std::wstring, 4> DigitsOfTargetText(const std::wstring& targetText)
{
    return {targetText.substr(8, 1), targetText.substr(9, 1), targetText.substr(10, 1), targetText.substr(11, 1)};
}
}  // namespace

AlarmDlg::AlarmDlg() : TimeOfDayDlg(IDD_ALARM, Clock::Alarm, kAlarmHistoryValue) {}

void AlarmDlg::OnClockStarted(const TimeOfDaySetting& setting)
{
    m_strMessage = AlarmNoticeOf(setting.hourText, setting.minuteText, theApp.Texts());
    theApp.WriteProfileInt(kSettingsSection, kAlarmStateValue, state::kRunning);
    theApp.WriteProfileString(kSettingsSection, kAlarmTargetValue, FormatTargetText(m_tTarget));
}

// The notice runs its own message loop, in which the other clocks go on and the alarm can be set again.
void AlarmDlg::OnClockTick(std::int64_t secs)
{
    if (secs > 0) return;
    ReturnToIdle();
    Notify(m_strMessage);
}

// Writes nothing: the store already holds this alarm. A target that has passed is not rung late.
void AlarmDlg::RestoreAlarm(int storedState, const std::wstring& targetText)
{
    const std::optional<std::int64_t> target = ParseTargetText(targetText);
    if (!target) return;
    m_tTarget = *target;
    if (storedState == state::kIdle) return;

    SetDigitTexts(DigitsOfTargetText(targetText));
    const std::int64_t now = WallTime();
    if (m_tTarget < now) return;

    const TimeOfDaySetting setting = TimeOfDaySettingOf(DigitTexts());
    m_strMessage = AlarmNoticeOf(setting.hour, setting.minute, theApp.Texts());
    RunClock(now);
}

void AlarmDlg::Reset()
{
    TimeOfDayDlg::Reset();
    theApp.WriteProfileInt(kSettingsSection, kAlarmStateValue, state::kIdle);
}

std::optional<std::wstring> AlarmDlg::TipLine() const
{
    return AlarmTipLine(State(), m_tTarget, theApp.Texts());
}
