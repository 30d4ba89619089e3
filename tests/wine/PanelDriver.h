#pragma once
// Drives the feature panels as the user would and reads what they and the main panel show.
#include <windows.h>

#include <array>
#include <optional>
#include <ostream>
#include <string>

#include "app/Clocks.h"
#include "tests/wine/AppHarness.h"
#include "tests/wine/PopupWatcher.h"

class PanelDlg;

// The application started, with a watcher for the popups that open afterwards.
class StartedAppTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        StartApp();
        m_watcher.emplace();
    }
    void TearDown() override
    {
        m_watcher.reset();
        AppTest::TearDown();
    }
    PopupWatcher& Watcher() { return *m_watcher; }

private:
    std::optional<PopupWatcher> m_watcher;
};

// The panel of a clock as the application object holds it, its window, and the main-menu command that shows it.
PanelDlg& PanelOf(Clock clock);
HWND WindowOf(Clock clock);
std::int32_t StateOf(Clock clock);
UINT ShowCommandOf(Clock clock);

// Clicks a button of a panel; a Set or Stop toggle changes its pressed-in state before the panel's handler runs.
void Click(HWND panel, int id);
bool IsPressedIn(HWND panel, int id);
bool IsEnabled(HWND panel, int id);

// The four digit buttons of a time field, and the four digits below them (the counter's count).
void SetDigits(HWND panel, const std::array<std::wstring, 4>& digits);
std::array<std::wstring, 4> Digits(HWND panel);
std::array<std::wstring, 4> Remaining(HWND panel);

// What an icon handed out by the program shows: the side of its image, and whether it has the active look's red.
struct IconLook {
    int size;
    bool active;
    friend bool operator==(const IconLook&, const IconLook&) = default;
};
std::ostream& operator<<(std::ostream& out, const IconLook& look);
IconLook LookOf(HICON icon);

// The main panel's status line of a clock (IDC_STATUS_...), and whether the icon shows a running clock.
std::wstring StatusLine(int id);
bool IsIconActive();

bool IsTopmost(HWND window);
