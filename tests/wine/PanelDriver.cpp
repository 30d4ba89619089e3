#include "tests/wine/PanelDriver.h"

#include <algorithm>
#include <vector>

#include "app/HourgladeApp.h"
#include "framework/Gdi.h"
#include "mainpanel/MainDlg.h"
#include "panels/PanelDlg.h"
#include "res/resource.h"
#include "tests/wine/PopupWatcher.h"

namespace {
std::array<std::wstring, 4> TextsOf(HWND panel, int firstId)
{
    return {ControlText(panel, firstId), ControlText(panel, firstId + 1), ControlText(panel, firstId + 2),
            ControlText(panel, firstId + 3)};
}
}  // namespace

PanelDlg& PanelOf(Clock clock)
{
    return *theApp.FeaturePanel(clock);
}

HWND WindowOf(Clock clock)
{
    return PanelOf(clock).m_hWnd;
}

std::int32_t StateOf(Clock clock)
{
    return theApp.ClockState(clock);
}

UINT ShowCommandOf(Clock clock)
{
    switch (clock) {
    case Clock::Alarm:
        return ID_MENU_ALARM;
    case Clock::Timer:
        return ID_MENU_TIMER;
    case Clock::Counter:
        return ID_MENU_COUNTER;
    case Clock::Shutdown:
        break;
    }
    return ID_MENU_SHUTDOWN;
}

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

std::ostream& operator<<(std::ostream& out, const IconLook& look)
{
    return out << look.size << " px " << (look.active ? "active" : "idle");
}

IconLook LookOf(HICON icon)
{
    ICONINFO info{};
    if (!::GetIconInfo(icon, &info)) return {0, false};
    const GdiObject<HBITMAP> colour(info.hbmColor), mask(info.hbmMask);
    BITMAP bitmap{};
    ::GetObjectW(colour.Get(), sizeof bitmap, &bitmap);
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    format.bmiHeader.biWidth = bitmap.bmWidth;
    format.bmiHeader.biHeight = -bitmap.bmHeight;  // top row first
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    std::vector<RGBQUAD> pixels(static_cast<size_t>(bitmap.bmWidth) * static_cast<size_t>(bitmap.bmHeight));
    const WindowDC screen(nullptr);
    ::GetDIBits(screen.Get(), colour.Get(), 0, static_cast<UINT>(bitmap.bmHeight), pixels.data(), &format,
                DIB_RGB_COLORS);
    const bool red = std::any_of(pixels.begin(), pixels.end(),
                                 [](const RGBQUAD& p) { return p.rgbRed > 200 && p.rgbGreen < 80 && p.rgbBlue < 80; });
    return {bitmap.bmWidth, red};
}

bool IsIconActive()
{
    return LookOf(theApp.m_pMainDlg->m_trayIcon.Image()).active;
}

bool IsTopmost(HWND window)
{
    return (::GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}
