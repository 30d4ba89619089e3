#pragma once
// The main panel: four status lines, the version, and the commands of the menus that its notification-area icon
// opens. It owns the other panels' windows, and it is the window that the system tells of sleep and resume, clock
// changes and the end of the session.
#include <windows.h>

#include <string>

#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "mainpanel/TrayIcon.h"
#include "mainpanel/TrayInput.h"

// The icon's callback message: the event in the low word of lParam, the icon's id in the high word, and the
// anchor point (the pointer, or the icon for a key) in wParam.
inline constexpr UINT WM_TRAYNOTIFY = WM_USER + 100;

class CMainDlg : public CDialog {
public:
    CMainDlg();

    // Brings the status lines, the icon and its tip into line with the four clocks.
    void RefreshStatus();
    // Brings the icon's tip into line with the times the clocks show.
    void RefreshTip();

    // The window's large icon (shared), and its small one.
    HICON m_hIcon;
    OwnedIcon m_smallIcon;
    TrayIcon m_trayIcon;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    // Removes the icon and deletes the panel, the last thing the program's windows do.
    void PostNcDestroy() override;

    // Enter does nothing; Esc and the close box hide the panel.
    void OnOK() override {}
    void OnCancel() override;
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
    LRESULT OnTrayNotify(WPARAM anchor, LPARAM eventAndIcon);
    LRESULT OnTaskbarCreated(WPARAM, LPARAM);
    void OnTimer(UINT_PTR timerId);
    LRESULT OnPowerBroadcast(WPARAM event, LPARAM);
    LRESULT OnTimeChange(WPARAM, LPARAM);
    LRESULT OnQueryEndSession(WPARAM, LPARAM reasons);
    LRESULT OnEndSession(WPARAM ending, LPARAM);

    CStatic m_stAlarm;
    CStatic m_stTimer;
    CStatic m_stCounter;
    CStatic m_stShutdown;

    DECLARE_MESSAGE_MAP()

private:
    void AttachMenuBar();
    void NoteTimeDisturbed();
    std::wstring CurrentTip() const;
    void TrackTrayMenu(int popupIndex, POINT anchor, bool fromKeyboard);
    void BringNoticeToFront();
    void ShowMainPanel();
    static void ShowInTopmostBand(CWnd& panel);
    static void QuickSetTimer(const std::wstring& minutes);
    static void RegisterForRestart();

    TrayInput m_trayInput;
};
