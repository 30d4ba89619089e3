#include "panels/TimerDlg.h"

#include "app/HourgladeApp.h"
#include "app/Settings.h"
#include "res/resource.h"

TimerDlg::TimerDlg() : TimeFieldDlg(IDD_TIMER, Params{{9, 9, 5, 9}, &theApp.m_nTimerState, kTimerHistoryValue}) {}

void TimerDlg::DoDataExchange(CDataExchange* pDX)
{
    TimeFieldDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_STOP, m_btnStop);
}

BOOL TimerDlg::OnInitDialog()
{
    TimeFieldDlg::OnInitDialog();
    m_btnStop.EnableWindow(FALSE);
    return TRUE;
}
