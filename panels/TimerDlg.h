#pragma once
// The countdown timer panel: minutes and seconds, at most 99:59, counted down once a second to a notice.
#include <cstdint>
#include <string>

#include "panels/TimeFieldDlg.h"

class TimerDlg : public TimeFieldDlg {
public:
    TimerDlg();

    std::uint32_t m_uTimerID = 0;
    std::wstring m_strMessage;
    std::int32_t m_nRemain = 0;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

    CButton m_btnStop;
};
