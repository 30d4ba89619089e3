#include "controls/MsgDlg.h"

#include "res/resource.h"

MsgDlg::MsgDlg(const std::wstring& text) : CDialog(IDD_NOTICE), m_strText(text)
{
    m_bWithoutOwner = true;
}

void MsgDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_NOTICE_TEXT, m_stText);
}

BOOL MsgDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_stText.SetWindowText(m_strText);
    CentreOnWorkArea();
    SetWindowPos(HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    ::MessageBeep(MB_ICONASTERISK);
    return TRUE;
}

void MsgDlg::CentreOnWorkArea()
{
    RECT workArea{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    const RECT window = GetWindowRect();
    const int left = workArea.left + (workArea.right - workArea.left - (window.right - window.left)) / 2;
    const int top = workArea.top + (workArea.bottom - workArea.top - (window.bottom - window.top)) / 2;
    SetWindowPos(nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
