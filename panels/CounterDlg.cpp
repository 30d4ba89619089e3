#include "panels/CounterDlg.h"

void CounterDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_SET, m_btnSet);
    DDX_Control(pDX, IDC_STOP, m_btnStop);
    DDX_Control(pDX, IDC_REMAIN1, m_stMin10);
    DDX_Control(pDX, IDC_REMAIN2, m_stMin1);
    DDX_Control(pDX, IDC_REMAIN3, m_stSec10);
    DDX_Control(pDX, IDC_REMAIN4, m_stSec1);
}

BOOL CounterDlg::OnInitDialog()
{
    PanelDlg::OnInitDialog();
    m_btnStop.EnableWindow(FALSE);
    return TRUE;
}
