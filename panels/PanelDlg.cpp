#include "panels/PanelDlg.h"

#include "res/resource.h"

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

void PanelDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_SET, m_btnSet);
    constexpr std::array<int, 4> kDigitIds{IDC_REMAIN1, IDC_REMAIN2, IDC_REMAIN3, IDC_REMAIN4};
    for (size_t i = 0; i < kDigitIds.size(); ++i) DDX_Control(pDX, kDigitIds[i], m_stDigits[i]);
}

void PanelDlg::SetState(std::int32_t state, StatusRefresh refresh)
{
    theApp.SetClockState(m_clock, state, refresh);
    OnStateChanged();
}

void PanelDlg::ReturnToIdle()
{
    Reset();
    theApp.SetClockState(m_clock, 0);
}

void PanelDlg::ShowDigits(const std::array<std::wstring, 4>& digits)
{
    for (size_t i = 0; i < digits.size(); ++i) m_stDigits[i].SetWindowText(digits[i]);
}
