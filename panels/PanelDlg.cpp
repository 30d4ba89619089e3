#include "panels/PanelDlg.h"

// clang-format off
BEGIN_MESSAGE_MAP(PanelDlg, CDialog)
    ON_COMMAND(IDOK, OnEnter)
    ON_COMMAND(IDCANCEL, OnHide)
END_MESSAGE_MAP()
// clang-format on

BOOL PanelDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    ModifyStyleEx(WS_EX_APPWINDOW, 0);
    return TRUE;
}
