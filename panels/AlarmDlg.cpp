#include "panels/AlarmDlg.h"

#include "app/HourgladeApp.h"
#include "app/Settings.h"
#include "panels/ClockTime.h"
#include "res/resource.h"

AlarmDlg::AlarmDlg()
    : TimeFieldDlg(IDD_ALARM, Params{{2, 9, 5, 9}, &theApp.m_nAlarmState, kAlarmHistoryValue, PresetRule::NextUpcoming})
{
}

void AlarmDlg::RestoreAlarm(int state, const std::wstring& targetText)
{
    m_tTarget = ParseTargetText(targetText).value_or(0);
    (void)state;
}

void AlarmDlg::Reset()
{
    if (theApp.m_nAlarmState == 1) ::KillTimer(m_hWnd, m_nTimerID);
    theApp.m_nAlarmState = 0;
    m_btnSet.SetCheck(BST_UNCHECKED);
    ClearRemaining();
    theApp.WriteProfileInt(kSettingsSection, kAlarmStateValue, 0);
    m_btnHistory.EnableWindow(TRUE);
}
