#pragma once
// The power-off panel: shuts the computer down, or puts it to sleep or into hibernation, at a clock time.
#include <cstdint>

#include "panels/TimeFieldDlg.h"

class ShutdownDlg : public TimeFieldDlg {
public:
    ShutdownDlg();

    // Stops the power-off and returns the panel to idle. The caller refreshes the main panel.
    void Reset();

    UINT_PTR m_nTimerID = 0;
    std::int64_t m_tTarget = 0;
    bool m_bWarned = false;
};
