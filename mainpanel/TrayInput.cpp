#include "mainpanel/TrayInput.h"

TrayCommand TrayInput::OnEvent(unsigned event, unsigned iconId, std::uint32_t now)
{
    if (iconId != m_iconId) return {};
    switch (event) {
    case tray_event::kLeftPress:
        return m_bMenuOpen ? TrayCommand{} : TrayCommand{TrayAction::MainMenu};
    case tray_event::kRightPress:
        m_bRightPressSeen = true;
        m_rightPressTime = now;
        return m_bMenuOpen ? TrayCommand{} : TrayCommand{TrayAction::QuickMenu};
    case tray_event::kLeftDoubleClick:
        return {TrayAction::ShowMainPanel};
    case tray_event::kContextMenu:
        // The shell sends one after every right click, which has opened its menu already.
        if (IsRecent(m_bRightPressSeen, m_rightPressTime, now)) return {};
        return OnKey(TrayAction::QuickMenu, now);
    case tray_event::kKeySelect:
        return OnKey(TrayAction::MainMenu, now);
    case tray_event::kNotificationClick:
        return {TrayAction::ShowNotice};
    default:
        // Among them kSelect, which follows a left click whose press has opened the menu already.
        return {};
    }
}

TrayCommand TrayInput::OnKey(TrayAction action, std::uint32_t now)
{
    const bool repeated = IsRecent(m_bKeySeen, m_keyTime, now);
    m_bKeySeen = true;
    m_keyTime = now;
    if (m_bMenuOpen || repeated) return {};
    return {action, true};
}

bool TrayInput::IsRecent(bool seen, std::uint32_t then, std::uint32_t now) const
{
    // Unsigned arithmetic keeps the distance right across a wrap of the count.
    return seen && now - then < m_doubleClickTime;
}
