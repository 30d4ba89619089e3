#pragma once
// What the tests of the time field share: a panel shown as its menu command shows it, and the custom-drawn
// popups driven with mouse and key messages and read back pixel by pixel.
#include <windows.h>

#include <array>
#include <initializer_list>
#include <ostream>
#include <string>

#include "controls/Geometry.h"
#include "framework/Drawing.h"
#include "panels/TimeFieldDlg.h"
#include "tests/wine/ImportPatch.h"
#include "tests/wine/PanelDriver.h"

// The three panels with a time field (the alarm, the timer and the power-off), by their clocks.
using Panel = Clock;
TimeFieldDlg& PanelObject(Panel panel);

// A pointer movement and a left press at a client point of a window, as the capture delivers them.
void MovePointer(HWND window, Point client);
void PressAt(HWND window, Point client);
Rect ClientOf(HWND window);

// In the list of the history drop-down or of the selector: a point over a row's text, and a row chosen with the
// pointer there.
Point OverRow(HWND list, int row);
void ChooseRow(HWND list, int row);
// A key as the keyboard delivers it; it is handled once the caller returns to the message loop.
void PostKey(HWND window, UINT key);

// Gives a control of a panel the keyboard focus, with the panel as the foreground window, and parks the pointer.
void FocusControl(HWND panel, int id);
// Real key presses: each key down and up through SendInput, to the window that has the keyboard focus. They come
// through the X server, at a time of its own; this handles messages, in whatever loop runs, until the last key is up.
void PressKeys(std::initializer_list<WORD> keys);

// Counts the program's beeps while it lives, and keeps them silent.
class BeepCounter {
public:
    BeepCounter();
    bool IsApplied() const { return m_patch.IsApplied(); }
    int Count() const;

private:
    ImportPatch m_patch;
};

// One pixel of a window's client area as it is shown, after any pending paint.
Rgb ClientPixel(HWND window, Point client);
// The darkest and the brightest pixel, by their sum of red, green and blue, in a client rectangle.
Rgb DarkestPixel(HWND window, const Rect& area);
Rgb BrightestPixel(HWND window, const Rect& area);
// Colours of text rendered with smoothing are compared with some room.
bool IsNear(Rgb actual, Rgb expected, int tolerance = 24);

using DigitTexts = std::array<std::wstring, 4>;

RECT ScreenRectOf(HWND panel, int id);

// Moves the pointer out of the way, to the bottom of the screen: a popup that opens under it would take its
// highlight from it, and an earlier test may have left it anywhere.
void ParkPointer();

class TimeFieldTest : public StartedAppTest {
protected:
    void SetUp() override
    {
        StartedAppTest::SetUp();
        ParkPointer();
    }
    // Shows the panel through its menu command, as the user does; returns its window.
    HWND ShowPanel(Panel panel);
};

// Prints colours in failure messages.
std::ostream& operator<<(std::ostream& out, const Rgb& colour);
