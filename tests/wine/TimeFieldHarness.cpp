#include "tests/wine/TimeFieldHarness.h"

#include <cstdlib>
#include <ostream>
#include <vector>

#include "app/HourgladeApp.h"
#include "controls/DropDownLayout.h"
#include "framework/Gdi.h"
#include "mainpanel/MainDlg.h"
#include "panels/AlarmDlg.h"
#include "panels/ShutdownDlg.h"
#include "panels/TimerDlg.h"
#include "res/resource.h"

namespace {

int g_beeps = 0;

BOOL WINAPI CountBeep(UINT)
{
    ++g_beeps;
    return TRUE;
}

int Brightness(Rgb colour)
{
    return colour.r + colour.g + colour.b;
}

Rgb ReadPixel(HDC dc, int x, int y)
{
    const COLORREF pixel = ::GetPixel(dc, x, y);
    return {GetRValue(pixel), GetGValue(pixel), GetBValue(pixel)};
}

template <class Better> Rgb ExtremePixel(HWND window, const Rect& area, Better better)
{
    ::UpdateWindow(window);
    const WindowDC dc(window);
    Rgb extreme = ReadPixel(dc.Get(), area.left, area.top);
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            const Rgb colour = ReadPixel(dc.Get(), x, y);
            if (better(colour, extreme)) extreme = colour;
        }
    }
    return extreme;
}

// The keys released so far on this thread, in whichever loop took them from the queue.
int g_keysUp = 0;

LRESULT CALLBACK CountKeysUp(int code, WPARAM removal, LPARAM lParam)
{
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && removal == PM_REMOVE && (msg->message == WM_KEYUP || msg->message == WM_SYSKEYUP))
        ++g_keysUp;
    return ::CallNextHookEx(nullptr, code, removal, lParam);
}

}  // namespace

TimeFieldDlg& PanelObject(Panel panel)
{
    return dynamic_cast<TimeFieldDlg&>(PanelOf(panel));
}

void MovePointer(HWND window, Point client)
{
    ::SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
}

void PressAt(HWND window, Point client)
{
    ::SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.x, client.y));
}

Rect ClientOf(HWND window)
{
    RECT client{};
    ::GetClientRect(window, &client);
    return {client.left, client.top, client.right, client.bottom};
}

Point OverRow(HWND list, int row)
{
    const Rect band = DropDownLayout(theApp.ScreenScale()).HighlightBand(row, ClientOf(list));
    return {band.left + 4, (band.top + band.bottom) / 2};
}

void ChooseRow(HWND list, int row)
{
    MovePointer(list, OverRow(list, row));
    PressAt(list, OverRow(list, row));
}

void PostKey(HWND window, UINT key)
{
    ::PostMessageW(window, WM_KEYDOWN, key, 1);
}

void ParkPointer()
{
    ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) / 2, ::GetSystemMetrics(SM_CYSCREEN) - 1);
}

void FocusControl(HWND panel, int id)
{
    ParkPointer();
    ::SetForegroundWindow(panel);
    ::SetFocus(::GetDlgItem(panel, id));
    PumpMessages();
}

void PressKeys(std::initializer_list<WORD> keys)
{
    static const HHOOK hook = ::SetWindowsHookExW(WH_GETMESSAGE, &CountKeysUp, nullptr, ::GetCurrentThreadId());
    // Also when a popup that the first keys open runs keys of its own meanwhile: the X server keeps their order.
    const int released = g_keysUp + static_cast<int>(keys.size());
    std::vector<INPUT> strokes;
    for (const WORD key : keys) {
        for (const DWORD flags : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
            INPUT stroke{};
            stroke.type = INPUT_KEYBOARD;
            stroke.ki.wVk = key;
            stroke.ki.dwFlags = flags;
            strokes.push_back(stroke);
        }
    }
    ::SendInput(static_cast<UINT>(strokes.size()), strokes.data(), sizeof(INPUT));
    const ULONGLONG deadline = ::GetTickCount64() + 5000;
    while (hook && g_keysUp < released && ::GetTickCount64() < deadline) PumpMessagesFor(10);
}

BeepCounter::BeepCounter() : m_patch("user32.dll", "MessageBeep", reinterpret_cast<void*>(&CountBeep))
{
    g_beeps = 0;
}

int BeepCounter::Count() const
{
    return g_beeps;
}

Rgb ClientPixel(HWND window, Point client)
{
    ::UpdateWindow(window);
    const WindowDC dc(window);
    return ReadPixel(dc.Get(), client.x, client.y);
}

Rgb DarkestPixel(HWND window, const Rect& area)
{
    return ExtremePixel(window, area, [](Rgb a, Rgb b) { return Brightness(a) < Brightness(b); });
}

Rgb BrightestPixel(HWND window, const Rect& area)
{
    return ExtremePixel(window, area, [](Rgb a, Rgb b) { return Brightness(a) > Brightness(b); });
}

bool IsNear(Rgb actual, Rgb expected, int tolerance)
{
    return std::abs(actual.r - expected.r) <= tolerance && std::abs(actual.g - expected.g) <= tolerance &&
           std::abs(actual.b - expected.b) <= tolerance;
}

std::ostream& operator<<(std::ostream& out, const Rgb& colour)
{
    return out << "rgb(" << int{colour.r} << ", " << int{colour.g} << ", " << int{colour.b} << ")";
}

RECT ScreenRectOf(HWND panel, int id)
{
    RECT rect{};
    ::GetWindowRect(::GetDlgItem(panel, id), &rect);
    return rect;
}

HWND TimeFieldTest::ShowPanel(Panel panel)
{
    theApp.m_pMainDlg->SendMessage(WM_COMMAND, ShowCommandOf(panel));
    PumpMessages();
    return PanelObject(panel).m_hWnd;
}
