#pragma once
// The main panel: four status lines, the version, and the commands of the menus; it owns the other panels and
// the notification-area icon.
#include <windows.h>
// (after windows.h)
#include <shellapi.h>

#include "framework/Dialog.h"

class CMainDlg : public CDialog {
public:
    CMainDlg();

    HICON m_hIcon;
    NOTIFYICONDATAW m_nid{};

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void PostNcDestroy() override { delete this; }

    void OnEnter() {}
    void OnCancel();

    CStatic m_stAlarm;
    CStatic m_stTimer;
    CStatic m_stCounter;
    CStatic m_stShutdown;

    DECLARE_MESSAGE_MAP()
};
