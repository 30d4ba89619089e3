#include "mainpanel/MainDlg.h"

#include "app/HourgladeApp.h"
#include "res/resource.h"

// clang-format off
BEGIN_MESSAGE_MAP(CMainDlg, CDialog)
    ON_COMMAND(IDOK, OnEnter)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()
// clang-format on

CMainDlg::CMainDlg()
    : CDialog(IDD_MAIN), m_hIcon(::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_IDLE)))
{
}

void CMainDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_STATUS_ALARM, m_stAlarm);
    DDX_Control(pDX, IDC_STATUS_TIMER, m_stTimer);
    DDX_Control(pDX, IDC_STATUS_COUNTER, m_stCounter);
    DDX_Control(pDX, IDC_STATUS_SHUTDOWN, m_stShutdown);
}

BOOL CMainDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    return TRUE;
}

void CMainDlg::OnCancel()
{
    ShowWindow(SW_HIDE);
    theApp.m_bMainShown = false;
}
