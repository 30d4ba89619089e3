#pragma once
// The exit confirmation: OK stops every clock, and with "remove from the task tray" ticked the program ends.
#include "framework/Dialog.h"

class ExitDlg : public CDialog {
public:
    // The confirmation's own results: cancelling gives 0, not the usual cancel code.
    enum Result { kCancelled = 0, kConfirmed = 1, kConfirmedWithRemoval = 2 };

    ExitDlg();

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

    void OnOK() override;
    void OnCancel() override { EndDialog(kCancelled); }

    CButton m_chkRemove;
};
