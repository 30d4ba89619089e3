#include "panels/TimerDlg.h"

#include "app/HourgladeApp.h"
#include "app/Settings.h"
#include "app/Texts.h"
#include "controls/ErrDlg.h"
#include "controls/MsgDlg.h"
#include "mainpanel/MainDlg.h"
#include "panels/ClockTexts.h"
#include "panels/PanelClock.h"
#include "panels/SecondTicks.h"
#include "res/resource.h"

// clang-format off
BEGIN_MESSAGE_MAP(TimerDlg, TimeFieldDlg)
    ON_COMMAND(IDC_SET, OnSet)
    ON_COMMAND(IDC_STOP, OnStop)
    ON_MESSAGE(WM_SECOND_TICK, OnSecondTick)
END_MESSAGE_MAP()
// clang-format on

TimerDlg::TimerDlg()
    : TimeFieldDlg(IDD_TIMER, Params{{9, 9, 5, 9}, &theApp.m_nTimerState, kTimerHistoryValue, PresetRule::MostRecent})
{
}

void TimerDlg::DoDataExchange(CDataExchange* pDX)
{
    TimeFieldDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_STOP, m_btnStop);
}

BOOL TimerDlg::OnInitDialog()
{
    TimeFieldDlg::OnInitDialog();
    m_btnStop.EnableWindow(FALSE);
    return TRUE;
}

void TimerDlg::QuickSet(const std::wstring& minutes)
{
    SetDigitTexts({std::wstring(1, minutes.front()), std::wstring(1, minutes.back()), L"0", L"0"});
    m_btnSet.SetCheck(BST_CHECKED);
    OnSet();
}

// Set has already been toggled by the click: pressed in starts the timer, released cancels it.
void TimerDlg::OnSet()
{
    if (m_btnSet.GetCheck() == BST_CHECKED) {
        Start();
    } else {
        Reset();
        theApp.m_pMainDlg->RefreshStatus();
    }
}

void TimerDlg::Start()
{
    const std::array<std::wstring, 4> digits = DigitTexts();
    const TimerSetting setting = TimerSettingOf(digits);
    if (setting.seconds == 0) {
        RefuseNoTime();
        return;
    }
    m_strMessage = setting.notice;
    m_nRemain = setting.seconds;
    ShowRemaining(digits);
    m_btnStop.SetCheck(BST_UNCHECKED);
    m_btnStop.EnableWindow(TRUE);
    m_btnHistory.EnableWindow(FALSE);
    StartPanelClock(m_hWnd, m_uTimerID, theApp.m_nTimerState);
    AddToHistory(setting.historyEntry);
    theApp.m_pMainDlg->RefreshStatus();
}

void TimerDlg::RefuseNoTime()
{
    Reset();
    const RECT set = m_btnSet.GetWindowRect();
    ErrDlg refusal(kRefusalNoTime, set.left, set.bottom);
    refusal.DoModal();
}

// Stop has already been toggled by the click.
void TimerDlg::OnStop()
{
    FollowStopToggle(m_hWnd, m_btnStop.GetCheck() == BST_CHECKED, m_uTimerID, theApp.m_nTimerState);
    theApp.m_pMainDlg->RefreshStatus();
}

LRESULT TimerDlg::OnSecondTick(WPARAM clockId, LPARAM)
{
    if (!IsLiveTick(clockId, m_uTimerID, theApp.m_nTimerState)) return 0;
    --m_nRemain;
    ShowRemaining(CountDigits(m_nRemain));
    if (m_nRemain == 0) RunOut();
    return 0;
}

// The notice runs its own message loop, in which the other clocks go on ticking and this panel can be set again.
void TimerDlg::RunOut()
{
    Reset();
    theApp.m_pMainDlg->RefreshStatus();
    MsgDlg notice(m_strMessage);
    notice.DoModal();
}

void TimerDlg::Reset()
{
    StopPanelClock(m_hWnd, m_uTimerID, theApp.m_nTimerState);
    m_btnSet.SetCheck(BST_UNCHECKED);
    m_btnStop.SetCheck(BST_UNCHECKED);
    m_btnStop.EnableWindow(FALSE);
    ClearRemaining();
    m_btnHistory.EnableWindow(TRUE);
}
