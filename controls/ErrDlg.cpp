#include "controls/ErrDlg.h"

#include "app/HourgladeApp.h"
#include "controls/PopupLayout.h"
#include "framework/Gdi.h"
#include "res/resource.h"

ErrDlg::ErrDlg(const std::wstring& text, int left, int top)
    : PopupDlg(IDD_ERROR, Stacking::Topmost, left, top), m_strText(text)
{
    m_nHeight = PopupLayout(theApp.ScreenScale()).ErrorHeight();
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

// The base places the popup with its width: by the number of characters of a Japanese text, around an English
// text as the popup's font measures it.
BOOL ErrDlg::OnInitDialog()
{
    const PopupLayout layout(theApp.ScreenScale());
    m_nWidth = theApp.m_language == Language::English ? layout.ErrorWidthAround(MeasuredTextWidth())
                                                      : layout.ErrorWidth(m_strText.size());
    PopupDlg::OnInitDialog();
    m_stText.SetWindowText(m_strText);
    return TRUE;
}
