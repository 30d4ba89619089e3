#include "mainpanel/ExitDlg.h"

#include "app/HourgladeApp.h"
#include "panels/AlarmDlg.h"
#include "panels/CounterDlg.h"
#include "panels/ShutdownDlg.h"
#include "panels/TimerDlg.h"
#include "res/resource.h"

// clang-format off
BEGIN_MESSAGE_MAP(ExitDlg, CDialog)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()
// clang-format on

// Owned by the main panel, which stays disabled while the confirmation is open.
ExitDlg::ExitDlg() : CDialog(IDD_EXIT, AfxGetMainWnd()) {}

void ExitDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_REMOVE_FROM_TRAY, m_chkRemove);
}

BOOL ExitDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    ModifyStyleEx(WS_EX_APPWINDOW, 0);
    SetWindowPos(HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    return TRUE;
}

void ExitDlg::OnOK()
{
    theApp.m_pAlarmDlg->Reset();
    theApp.m_pTimerDlg->Reset();
    theApp.m_pCounterDlg->Reset();
    theApp.m_pShutdownDlg->Reset();
    EndDialog(m_chkRemove.GetCheck() == BST_CHECKED ? kConfirmedWithRemoval : kConfirmed);
}
