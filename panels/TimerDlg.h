#pragma once
// The countdown timer panel: minutes and seconds, at most 99:59, counted down once a second to a notice.
#include <cstdint>
#include <string>

#include "panels/TimeFieldDlg.h"

class TimerDlg : public TimeFieldDlg {
public:
    TimerDlg();

    // Sets the timer to a number of whole minutes, given as two digits ("01" to "99"), and starts it as Set does.
    void QuickSet(const std::wstring& minutes);
    // Stops the countdown and returns the panel to idle, keeping the set time. The caller refreshes the main panel.
    void Reset();

    std::uint32_t m_uTimerID = 0;
    std::wstring m_strMessage;
    std::int32_t m_nRemain = 0;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

    void OnSet();
    void OnStop();
    LRESULT OnSecondTick(WPARAM clockId, LPARAM);

    CButton m_btnStop;

    DECLARE_MESSAGE_MAP()

private:
    void Start();
    void RefuseNoTime();
    void RunOut();
};
