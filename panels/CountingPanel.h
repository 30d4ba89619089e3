#pragma once
// What the countdown timer and the counter share: a one-second clock that counts while Set is pressed in, Stop
// that pauses the count and resumes it, and the notice when the count has run out. The timer builds it on its
// time field, the counter on the plain panel.
#include <cstdint>
#include <string>

#include "panels/PanelDlg.h"

template <class Base> class CountingPanel : public Base {
public:
    using Base::Base;

    void Reset() override;

    // The clock started last; only its ticks count, and only while the state is 1.
    std::uint32_t m_uTimerID = 0;
    // What the notice says when the count has run out.
    std::wstring m_strMessage;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

    // Releases Stop and starts the clock: state 1. When no clock can start, the panel stays idle with the default
    // beep instead, and this returns false.
    bool StartCounting();
    // Stop has already been toggled by the click: pressed in pauses the count, released resumes it with a new clock
    // whose first tick comes a full second later.
    void OnStop();
    LRESULT OnSecondTick(WPARAM clockId, LPARAM);
    // One second has passed: the count moves on and shows itself. True when it has run out.
    virtual bool CountOneSecond() = 0;

    CButton m_btnStop;

private:
    bool StartClock();
    void StopClock();
    void RunOut();
};
