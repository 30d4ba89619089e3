#include "controls/ErrDlg.h"

#include "framework/Gdi.h"
#include "res/resource.h"

ErrDlg::ErrDlg(const std::wstring& text, int left, int top, Scale scale, ErrorWidthRule widthRule)
    : PopupDlg(IDD_ERROR, Stacking::Topmost, left, top), m_strText(text), m_layout(scale), m_widthRule(widthRule)
{
    m_nHeight = m_layout.ErrorHeight();
}

int ErrDlg::MeasuredTextWidth() const
{
    const WindowDC screen(m_hWnd);
    const SelectedObject font(screen.Get(), reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT)));
    SIZE size{};
    ::GetTextExtentPoint32W(screen.Get(), m_strText.c_str(), static_cast<int>(m_strText.size()), &size);
    return size.cx;
}

void ErrDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_ERROR_TEXT, m_stText);
}

// The base places the popup with its width, which the text's font decides for a measured text.
BOOL ErrDlg::OnInitDialog()
{
    m_nWidth = m_widthRule == ErrorWidthRule::Measured ? m_layout.ErrorWidthAround(MeasuredTextWidth())
                                                       : m_layout.ErrorWidth(m_strText.size());
    PopupDlg::OnInitDialog();
    m_stText.SetWindowText(m_strText);
    // Its name for a screen reader; the popup has no caption to show it.
    SetWindowText(m_strText);
    return TRUE;
}
