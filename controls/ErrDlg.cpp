#include "controls/ErrDlg.h"

#include "app/HourgladeApp.h"
#include "controls/PopupLayout.h"
#include "framework/Gdi.h"
#include "res/resource.h"

ErrDlg::ErrDlg(const std::wstring& text, int left, int top)
    : PopupDlg(IDD_ERROR, Stacking::Topmost, left, top), m_strText(text)
{
    const PopupLayout layout(theApp.ScreenScale());
    m_nWidth = layout.ErrorWidth(m_strText.size());
    m_nHeight = layout.ErrorHeight();
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

// The base places the popup with its width: for an English text, the width of the text in the popup's font.
BOOL ErrDlg::OnInitDialog()
{
    if (theApp.m_language == Language::English)
        m_nWidth = PopupLayout(theApp.ScreenScale()).ErrorWidthAround(MeasuredTextWidth());
    PopupDlg::OnInitDialog();
    m_stText.SetWindowText(m_strText);
    return TRUE;
}
