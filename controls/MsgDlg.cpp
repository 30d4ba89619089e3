#include "controls/MsgDlg.h"

#include <utility>

#include "res/resource.h"

// clang-format off
BEGIN_MESSAGE_MAP(MsgDlg, CDialog)
    ON_MESSAGE(WM_DESTROY, OnDestroy)
END_MESSAGE_MAP()
// clang-format on

MsgDlg::MsgDlg(const std::wstring& text, NoticeHooks hooks)
    : CDialog(IDD_NOTICE), m_strText(text), m_hooks(std::move(hooks))
{
    m_bWithoutOwner = true;
}

void MsgDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_NOTICE_TEXT, m_stText);
}

// The notice shows at once, in its place and above every window, in one move: each move of a window costs the
// window system a round of its own.
BOOL MsgDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_stText.SetWindowText(m_strText);
    const POINT place = CentreOfWorkArea();
    SetWindowPos(HWND_TOPMOST, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    ::MessageBeep(MB_ICONASTERISK);
    if (m_hooks.opened) m_hooks.opened(m_hWnd, m_strText);
    return TRUE;
}

LRESULT MsgDlg::OnDestroy(WPARAM, LPARAM)
{
    if (m_hooks.closed) m_hooks.closed(m_hWnd);
    return Default();
}

POINT MsgDlg::CentreOfWorkArea() const
{
    RECT workArea{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    const RECT window = GetWindowRect();
    return {workArea.left + (workArea.right - workArea.left - (window.right - window.left)) / 2,
            workArea.top + (workArea.bottom - workArea.top - (window.bottom - window.top)) / 2};
}
