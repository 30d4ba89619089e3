#include "controls/ErrDlg.h"

#include "app/HourgladeApp.h"
#include "controls/PopupLayout.h"
#include "res/resource.h"

// clang-format off
BEGIN_MESSAGE_MAP(ErrDlg, CDialog)
    ON_COMMAND(IDOK, OnClose)
    ON_COMMAND(IDCANCEL, OnClose)
END_MESSAGE_MAP()
// clang-format on

ErrDlg::ErrDlg(const std::wstring& text, int left, int top)
    : CDialog(IDD_ERROR), m_strText(text), m_nLeft(left), m_nTop(top)
{
    const PopupLayout layout(theApp.ScreenScale());
    m_nWidth = layout.ErrorWidth(m_strText.size());
    m_nHeight = layout.ErrorHeight();
}

void ErrDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_ERROR_TEXT, m_stText);
}

BOOL ErrDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_stText.SetWindowText(m_strText);
    SetWindowPos(HWND_TOPMOST, m_nLeft, m_nTop, m_nWidth, m_nHeight, SWP_SHOWWINDOW);
    SetCapture();
    return TRUE;
}

BOOL ErrDlg::PreTranslateMessage(MSG* msg)
{
    // With the capture every press on the screen is addressed to the popup.
    if (msg->message == WM_LBUTTONDOWN) EndDialog(-1);
    return CDialog::PreTranslateMessage(msg);
}
