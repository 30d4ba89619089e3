#include "panels/CountingPanel.h"

#include "panels/SteadyCount.h"
#include "panels/TimeFieldDlg.h"
#include "res/resource.h"
#include "system/Now.h"
#include "system/SecondTicks.h"

// clang-format off
BEGIN_TEMPLATE_MESSAGE_MAP(CountingPanel, Base, Base)
    ON_COMMAND(IDC_SET, OnSet)
    ON_COMMAND(IDC_STOP, OnStop)
    ON_MESSAGE(WM_SECOND_TICK, OnSecondTick)
END_MESSAGE_MAP()
// clang-format on

template <class Base> BOOL CountingPanel<Base>::OnInitDialog()
{
    Base::OnInitDialog();
    m_btnStop.EnableWindow(FALSE);
    return TRUE;
}

template <class Base> void CountingPanel<Base>::DoDataExchange(CDataExchange* pDX)
{
    Base::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_STOP, m_btnStop);
}

// The count goes on from the steady time at which its ticks start.
template <class Base> bool CountingPanel<Base>::StartTicks()
{
    m_tStarted = SteadyTime();
    m_uTimerID = StartSecondTicks(this->m_hWnd);
    return m_uTimerID != 0;
}

template <class Base> void CountingPanel<Base>::StopTicks()
{
    StopSecondTicks(this->m_hWnd, m_uTimerID);
}

template <class Base> bool CountingPanel<Base>::StartCounting()
{
    m_nCountedBefore = m_nCounted = 0;
    if (!StartTicks()) {
        Reset();
        ::MessageBeep(MB_OK);
        return false;
    }
    m_btnStop.SetCheck(BST_UNCHECKED);
    this->EnableControl(m_btnStop, true);
    this->SetState(state::kRunning);
    return true;
}

// A pause keeps the count shown, without the part of a second under way; a resume that finds no ticks keeps the
// pause, so that the count is not lost.
template <class Base> void CountingPanel<Base>::OnStop()
{
    if (m_btnStop.GetCheck() == BST_CHECKED) {
        if (this->State() == state::kRunning) StopTicks();
        m_nCountedBefore = m_nCounted;
        this->SetState(state::kPaused);
    } else if (StartTicks()) {
        this->SetState(state::kRunning);
    } else {
        m_btnStop.SetCheck(BST_CHECKED);
        ::MessageBeep(MB_OK);
    }
}

// A tick only says when to look at the steady time: a late one may find several seconds counted, one that finds none
// more changes nothing. A tick already on its way when the panel paused, cleared, reset or replaced its ticks
// changes nothing either.
template <class Base> LRESULT CountingPanel<Base>::OnSecondTick(WPARAM ticksId, LPARAM)
{
    if (ticksId != m_uTimerID || this->State() != state::kRunning) return 0;
    const std::int32_t counted = CountedSeconds(m_nCountedBefore, m_tStarted, SteadyTime());
    if (counted == m_nCounted) return 0;
    m_nCounted = counted;
    if (ShowCount(counted))
        RunOut();
    else
        theApp.ClockTicked();
    return 0;
}

// The notice runs its own message loop, in which the other clocks go on ticking and this panel can start again.
template <class Base> void CountingPanel<Base>::RunOut()
{
    this->ReturnToIdle();
    this->Notify(m_strMessage);
}

template <class Base> void CountingPanel<Base>::Reset()
{
    if (this->State() == state::kRunning) StopTicks();
    this->SetState(state::kIdle, StatusRefresh::ByCaller);
    this->m_btnSet.SetCheck(BST_UNCHECKED);
    m_btnStop.SetCheck(BST_UNCHECKED);
    this->EnableControl(m_btnStop, false);
    this->ClearDigits();
}

template class CountingPanel<TimeFieldDlg>;
template class CountingPanel<PanelDlg>;
