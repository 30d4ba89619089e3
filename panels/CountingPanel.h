#pragma once
// What the countdown timer and the counter share: a count of the seconds that pass on the steady time while Set is
// pressed in, looked at once a second by the ticks, Stop that pauses the count and resumes it, and the notice when the
// count has run out. The timer builds it on its time field, the counter on the plain panel.
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
    // Releases Stop and starts counting from 0: the clock runs. When no ticks can start, the panel stays idle with the
    // default beep instead, and this returns false.
    bool StartCounting();
    // Stop has already been toggled by the click: pressed in pauses the count, released resumes it with new ticks
    // whose first comes a full second later.
    void OnStop();
    LRESULT OnSecondTick(WPARAM ticksId, LPARAM);
    // The count has reached a number of seconds, one or more above the last: the panel shows it. True when it has
    // run out, which it then no longer shows.
    virtual bool ShowCount(std::int32_t counted) = 0;

    CButton m_btnStop;

    DECLARE_MESSAGE_MAP()

private:
    bool StartTicks();
    void StopTicks();
    void RunOut();

    // The steady time of the last start or resume, the seconds counted before it, and the count shown.
    std::uint64_t m_tStarted = 0;
    std::int32_t m_nCountedBefore = 0;
    std::int32_t m_nCounted = 0;
};
