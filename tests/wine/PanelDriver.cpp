#include "tests/wine/PanelDriver.h"

#include "app/HourgladeApp.h"
#include "mainpanel/MainDlg.h"
#include "res/resource.h"
#include "tests/wine/PopupWatcher.h"

namespace {
std::array<std::wstring, 4> TextsOf(HWND panel, int firstId)
{
    return {ControlText(panel, firstId), ControlText(panel, firstId + 1), ControlText(panel, firstId + 2),
            ControlText(panel, firstId + 3)};
}
}  // namespace

void Click(HWND panel, int id)
{
    ::SendMessageW(::GetDlgItem(panel, id), BM_CLICK, 0, 0);
}

bool IsPressedIn(HWND panel, int id)
{
    return ::SendMessageW(::GetDlgItem(panel, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool IsEnabled(HWND panel, int id)
{
    return ::IsWindowEnabled(::GetDlgItem(panel, id));
}

void SetDigits(HWND panel, const std::array<std::wstring, 4>& digits)
{
    for (int i = 0; i < 4; ++i) ::SetDlgItemTextW(panel, IDC_DIGIT1 + i, digits[static_cast<size_t>(i)].c_str());
}

std::array<std::wstring, 4> Digits(HWND panel)
{
    return TextsOf(panel, IDC_DIGIT1);
}

std::array<std::wstring, 4> Remaining(HWND panel)
{
    return TextsOf(panel, IDC_REMAIN1);
}

std::wstring StatusLine(int id)
{
    return ControlText(theApp.m_pMainDlg->m_hWnd, id);
}

bool IsIconActive()
{
    return theApp.m_pMainDlg->m_nid.hIcon == ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_ACTIVE));
}

bool IsTopmost(HWND window)
{
    return (::GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}
