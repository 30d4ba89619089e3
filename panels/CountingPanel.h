#pragma once
// What the countdown timer and the counter share: one-second ticks that count while Set is pressed in, Stop that
// pauses the count and resumes it, and the notice when the count has run out. The timer builds it on its time field,
// the counter on the plain panel.
#include <cstdint>
#include <string>

#include "panels/PanelDlg.h"

template <class Base> class CountingPanel : public Base {
public:
    using Base::Base;

    void Reset() override;

    // The ticks started last; only they count, and only while the clock runs.
    std::uint32_t m_uTimerID = 0;
    // What the notice says when the count has run out.
    std::wstring m_strMessage;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

    // Set has already been toggled by the click: pressed in starts the count, released cancels it.
    virtual void OnSet() = 0;
    // Releases Stop and starts the ticks: the clock runs. When no ticks can start, the panel stays idle with the
    // default beep instead, and this returns false.
    bool StartCounting();
    // Stop has already been toggled by the click: pressed in pauses the count, released resumes it with new ticks
    // whose first comes a full second later.
    void OnStop();
    LRESULT OnSecondTick(WPARAM ticksId, LPARAM);
    // One second has passed: the count moves on and shows itself. True when it has run out.
    virtual bool CountOneSecond() = 0;

    CButton m_btnStop;

    DECLARE_MESSAGE_MAP()

private:
    bool StartTicks();
    void StopTicks();
    void RunOut();
};
