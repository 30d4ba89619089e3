#pragma once
// What the alarm and the power-off panel share: a time of day set with the time field, its target moment today
// or tomorrow, the hours and minutes left, and a one-second window timer that compares the target with the wall
// time at every tick, so that late or missed ticks do not shift the target.
#include <cstdint>
#include <optional>

#include "panels/ClockTexts.h"
#include "panels/TimeFieldDlg.h"

class TimeOfDayDlg : public TimeFieldDlg {
public:
    void Reset() override;

    UINT_PTR m_nTimerID = 0;
    std::int64_t m_tTarget = 0;

protected:
    TimeOfDayDlg(UINT templateId, Clock clock, const wchar_t* historyValue);

    // At Set, once the hour is accepted: whether the panel refuses to start for what else it shows, which it then
    // tells the user.
    virtual bool IsStartRefused() { return false; }
    // After the clock has started at Set, before the time is recorded in the history.
    virtual void OnClockStarted(const TimeOfDaySetting& setting) = 0;
    // At every tick while the clock runs, with the remaining seconds just shown.
    virtual void OnClockTick(std::int64_t secs) = 0;

    // Presses Set in, shows the time left until m_tTarget, starts the window timer and puts the panel in its
    // running state.
    void RunClock(std::int64_t now);
    bool IsClockRunning() const { return State() == state::kRunning; }

    void OnSet();
    void OnTimer(UINT_PTR eventId);

    DECLARE_MESSAGE_MAP()

private:
    // The time of day of the digit buttons, or nullopt after the refusal of an hour above 23 or of the panel's own.
    std::optional<TimeOfDaySetting> AcceptedSetting();
    void Start(const TimeOfDaySetting& setting);
    // Returns the remaining seconds it shows.
    std::int64_t ShowRemainingAt(std::int64_t now);
};
