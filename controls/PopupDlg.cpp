#include "controls/PopupDlg.h"

// clang-format off
BEGIN_MESSAGE_MAP(PopupDlg, CDialog)
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()
// clang-format on

PopupDlg::PopupDlg(UINT templateId, Stacking stacking, int left, int top)
    : CDialog(templateId), m_nLeft(left), m_nTop(top), m_stacking(stacking)
{
}

BOOL PopupDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    Place();
    SetCapture();
    return TRUE;
}

void PopupDlg::Place()
{
    if (m_stacking == Stacking::Topmost)
        SetWindowPos(HWND_TOPMOST, m_nLeft, m_nTop, m_nWidth, m_nHeight, SWP_SHOWWINDOW);
    else
        MoveWindow(m_nLeft, m_nTop, m_nWidth, m_nHeight);
}

// With the capture, presses outside the popup come here too.
void PopupDlg::OnLButtonDown(UINT, POINT)
{
    EndDialog(Choice());
}

BOOL PopupDlg::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_KEYDOWN && OnKey(static_cast<UINT>(msg->wParam))) return TRUE;
    return CDialog::PreTranslateMessage(msg);
}
