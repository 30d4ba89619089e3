#pragma once
// The alarm panel: a notice at a clock time, today or tomorrow, taken up again at start-up while it lies ahead.
#include <cstdint>
#include <string>

#include "panels/TimeFieldDlg.h"

class AlarmDlg : public TimeFieldDlg {
public:
    AlarmDlg();

    // Takes up the alarm stored by an earlier run, given the stored state and target text.
    void RestoreAlarm(int state, const std::wstring& targetText);
    // Stops the alarm and returns the panel to idle. The caller refreshes the main panel.
    void Reset();

    UINT_PTR m_nTimerID = 0;
    std::wstring m_strMessage;
    std::int64_t m_tTarget = 0;
};
