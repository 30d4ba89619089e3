#pragma once
// The countdown timer panel: minutes and seconds, at most 99:59, counted down once a second to a notice.
#include <cstdint>
#include <string>

#include "panels/CountingPanel.h"
#include "panels/TimeFieldDlg.h"

class TimerDlg : public CountingPanel<TimeFieldDlg> {
public:
    TimerDlg();

    // Sets the timer to a number of whole minutes, given as two digits ("01" to "99"), and starts it as Set does.
    void QuickSet(const std::wstring& minutes);

    std::optional<std::wstring> TipLine() const override;

    std::int32_t m_nRemain = 0;

protected:
    void OnSet() override;
    bool ShowCount(std::int32_t counted) override;

private:
    void Start();
    void RefuseNoTime();

    // The time set, in seconds.
    std::int32_t m_nSetSeconds = 0;
};
