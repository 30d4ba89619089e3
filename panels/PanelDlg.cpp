#include "panels/PanelDlg.h"

#include "controls/ErrDlg.h"
#include "controls/MsgDlg.h"
#include "res/resource.h"

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
    theApp.SetClockState(m_clock, state::kIdle);
}

void PanelDlg::EnableControl(const CWnd& control, bool enable)
{
    if (!enable && ::GetFocus() == control.m_hWnd)
        SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_btnSet.m_hWnd), TRUE);
    control.EnableWindow(enable);
}

// The Japanese texts are written for a width by their number of characters; the English ones are measured.
void PanelDlg::Refuse(TextId text, const CWnd& control) const
{
    const RECT place = control.GetWindowRect();
    const ErrorWidthRule widthRule =
        theApp.m_language == Language::English ? ErrorWidthRule::Measured : ErrorWidthRule::PerCharacter;
    ErrDlg refusal(theApp.Text(text), place.left, place.bottom, theApp.ScreenScale(), widthRule);
    refusal.DoModal();
}

bool PanelDlg::Notify(const std::wstring& text) const
{
    MsgDlg notice(text, {[](HWND window, const std::wstring& shown) { theApp.OnNoticeOpened(window, shown); },
                         [](HWND window) { theApp.OnNoticeClosed(window); }});
    return notice.DoModal() == MsgDlg::kClosed;
}

void PanelDlg::ShowDigits(const std::array<std::wstring, 4>& digits)
{
    for (size_t i = 0; i < digits.size(); ++i) m_stDigits[i].SetWindowText(digits[i]);
}
