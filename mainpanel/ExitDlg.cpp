#include "mainpanel/ExitDlg.h"

#include "app/HourgladeApp.h"
#include "panels/PanelDlg.h"
#include "res/resource.h"

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
    for (const Clock clock : kAllClocks) theApp.FeaturePanel(clock)->Reset();
    EndDialog(m_chkRemove.GetCheck() == BST_CHECKED ? kConfirmedWithRemoval : kConfirmed);
}
