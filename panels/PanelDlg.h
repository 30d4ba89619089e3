#pragma once
// What the four feature panels share: a modeless tool window, created hidden at start-up and owned by the main
// panel, that Esc or its close box only hides, that ignores Enter, and that lives until the program ends.
#include "framework/Dialog.h"

class PanelDlg : public CDialog {
public:
    explicit PanelDlg(UINT templateId) : CDialog(templateId) {}

protected:
    // Takes the panel off the taskbar.
    BOOL OnInitDialog() override;
    void PostNcDestroy() override { delete this; }

    void OnEnter() {}
    void OnHide() { ShowWindow(SW_HIDE); }

    DECLARE_MESSAGE_MAP()
};
