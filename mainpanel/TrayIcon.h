#pragma once
// The program's icon in the notification area, the user's only way in: its record and its image, and the shell
// calls that add, change and remove it, each reporting whether the shell took it. An add that fails, as it may
// while Explorer is still starting at sign-in, is tried again every 2 seconds, at most 30 times.
#include <windows.h>
// (after windows.h)
#include <shellapi.h>

#include <string>

#include "framework/Gdi.h"

class TrayIcon {
public:
    // The image of one of the program's icons at the system's small-icon size (16 pixels at 96 dpi, 20 at 120, 24
    // at 144), so that neither the shell nor a caption has to shrink the large one. Its owner destroys it.
    static OwnedIcon SmallProgramIcon(UINT id);

    explicit TrayIcon(UINT callbackMessage);

    // Adds the icon for the owner window, which receives its events and the retry timer's ticks; also after the
    // notification area was created anew. It has the image it had last, idle at first.
    bool Add(HWND owner, const std::wstring& tip);
    // The idle or the active image, loaded anew, with the tip.
    bool ShowLook(bool active, const std::wstring& tip);
    // The tip alone; sent only when the shell does not have it yet.
    bool ShowTip(const std::wstring& tip);
    // Shows a notice as the icon's notification, which replaces the one it had (quietly: the notice beeps itself), and
    // takes it away.
    bool ShowNotification(const std::wstring& title, const std::wstring& text);
    bool ClearNotification();
    // Hands the keyboard focus back to the notification area, after a menu opened from the keyboard.
    bool GiveFocusBack();
    bool Remove();
    // A tick of one of the owner's timers; true when it was the retry's, which it then handles.
    bool OnTimer(UINT_PTR timerId);

    HICON Image() const { return m_image.Get(); }

private:
    bool TryAdd();
    // While the add is being tried again, changes only go into the record, which the next try carries.
    bool IsAddPending() const { return m_nRetriesLeft > 0; }
    bool SetVersion();
    bool Modify(UINT flags, const wchar_t* what);
    bool Notify(DWORD message, UINT flags, const wchar_t* what);
    void SetTip(const std::wstring& tip);

    NOTIFYICONDATAW m_nid{};
    OwnedIcon m_image;
    // The tip the shell was last given.
    std::wstring m_strTipShown;
    bool m_bVersionSet = false;
    bool m_bRemoved = false;
    int m_nRetriesLeft = 0;
};
