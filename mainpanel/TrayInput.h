#pragma once
// What the program does with the events of its notification-area icon, as the shell reports them to an icon of
// version 4: the mouse as ever (a left press opens the main menu, a right press the quick-set menu, a double click
// shows the main panel), and the keyboard too (Enter or Space on the icon opens the main menu, Shift+F10 or the
// menu key the quick-set menu); a click on the icon's notification brings the notice it shows to the front.
#include <cstdint>

// Event codes of the icon's callback (the low word of its lParam), as the window system numbers them.
namespace tray_event {
inline constexpr unsigned kContextMenu = 0x007B;        // WM_CONTEXTMENU
inline constexpr unsigned kLeftPress = 0x0201;          // WM_LBUTTONDOWN
inline constexpr unsigned kLeftDoubleClick = 0x0203;    // WM_LBUTTONDBLCLK
inline constexpr unsigned kRightPress = 0x0204;         // WM_RBUTTONDOWN
inline constexpr unsigned kSelect = 0x0400;             // NIN_SELECT
inline constexpr unsigned kKeySelect = 0x0401;          // NIN_KEYSELECT
inline constexpr unsigned kNotificationClick = 0x0405;  // NIN_BALLOONUSERCLICK
}  // namespace tray_event

enum class TrayAction { None, MainMenu, QuickMenu, ShowMainPanel, ShowNotice };

struct TrayCommand {
    TrayAction action = TrayAction::None;
    // Opened from the keyboard: the menu opens with its first item highlighted, and the keyboard focus goes back to
    // the notification area when it closes.
    bool fromKeyboard = false;
    friend bool operator==(const TrayCommand&, const TrayCommand&) = default;
};

class TrayInput {
public:
    // doubleClickTime: the system's double-click time in milliseconds.
    TrayInput(unsigned iconId, std::uint32_t doubleClickTime) : m_iconId(iconId), m_doubleClickTime(doubleClickTime) {}

    // What an event of the icon asks for; now is a millisecond count that may wrap around. Events of another icon
    // and unknown events ask for nothing.
    TrayCommand OnEvent(unsigned event, unsigned iconId, std::uint32_t now);

    // Between these two calls a menu of the icon is open: no event opens another.
    void MenuOpened() { m_bMenuOpen = true; }
    void MenuClosed() { m_bMenuOpen = false; }

private:
    bool IsRecent(bool seen, std::uint32_t then, std::uint32_t now) const;
    // Enter may come twice for one press; a key event while a menu is open, or soon after the last one, is dropped.
    TrayCommand OnKey(TrayAction action, std::uint32_t now);

    unsigned m_iconId;
    std::uint32_t m_doubleClickTime;
    bool m_bMenuOpen = false;
    bool m_bRightPressSeen = false;
    std::uint32_t m_rightPressTime = 0;
    bool m_bKeySeen = false;
    std::uint32_t m_keyTime = 0;
};
