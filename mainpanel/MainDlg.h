#pragma once
// The main panel: four status lines, the version, and the commands of the menus. It owns the other panels'
// windows and the notification-area icon, which is the program's way in.
#include <windows.h>
// (after windows.h)
#include <shellapi.h>

#include "framework/Dialog.h"
#include "framework/Gdi.h"

// The icon's callback message; lParam carries the mouse message that happened over the icon.
inline constexpr UINT WM_TRAYNOTIFY = WM_USER + 100;

class CMainDlg : public CDialog {
public:
    CMainDlg();

    // Brings the status lines and the icon into line with the four clock states.
    void RefreshStatus();

    // The window's large icon (shared), and its small one.
    HICON m_hIcon;
    OwnedIcon m_smallIcon;
    NOTIFYICONDATAW m_nid{};
    // The image in m_nid, at the small-icon size; replaced by every update.
    OwnedIcon m_trayIcon;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Removes the icon and deletes the panel, the last thing the program's windows do.
    void PostNcDestroy() override;

    void OnEnter() {}
    void OnCancel();
    void OnWebsite();
    void OnInitMenu(HMENU menu);
    void OnMenuMainPanel();
    void OnMenuAlarm();
    void OnMenuTimer();
    void OnMenuCounter();
    void OnMenuShutdown();
    void OnMenuExit();
    void OnQuickTimer1();
    void OnQuickTimer3();
    void OnQuickTimer5();
    void OnQuickTimer10();
    void OnQuickCounter();
    LRESULT OnTaskbarCreated(WPARAM, LPARAM);

    CStatic m_stAlarm;
    CStatic m_stTimer;
    CStatic m_stCounter;
    CStatic m_stShutdown;

    DECLARE_MESSAGE_MAP()

private:
    void AddTrayIcon();
    void UpdateTrayIcon(bool active);
    void RemoveTrayIcon();
    void TrackTrayMenu(int popupIndex);
    void ShowMainPanel();
    static void ShowInTopmostBand(CWnd& panel);
    static void QuickSetTimer(const std::wstring& minutes);
};
