#pragma once
// The alarm panel: a notice at a time of day, today or tomorrow, taken up again at start-up while it lies ahead.
#include <string>

#include "panels/TimeOfDayDlg.h"

class AlarmDlg : public TimeOfDayDlg {
public:
    AlarmDlg();

    // Takes up the alarm stored by an earlier run, given the stored state and target text. A target text that
    // names no time counts as no alarm.
    void RestoreAlarm(int storedState, const std::wstring& targetText);
    // Also records in the store that no alarm is set.
    void Reset() override;
    std::optional<std::wstring> TipLine() const override;

    std::wstring m_strMessage;

protected:
    void OnClockStarted(const TimeOfDaySetting& setting) override;
    void OnClockTick(std::int64_t secs) override;
};
