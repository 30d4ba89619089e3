#include "controls/ErrDlg.h"

#include "app/HourgladeApp.h"
#include "controls/PopupLayout.h"
#include "res/resource.h"

ErrDlg::ErrDlg(const std::wstring& text, int left, int top)
    : PopupDlg(IDD_ERROR, Stacking::Topmost, left, top), m_strText(text)
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
    PopupDlg::OnInitDialog();
    m_stText.SetWindowText(m_strText);
    return TRUE;
}
