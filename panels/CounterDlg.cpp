#include "panels/CounterDlg.h"

#include "app/HourgladeApp.h"
#include "app/Texts.h"
#include "controls/MsgDlg.h"
#include "mainpanel/MainDlg.h"
#include "panels/ClockTexts.h"
#include "panels/PanelClock.h"
#include "panels/SecondTicks.h"

namespace {
// 100 minutes: the count stops here.
constexpr std::int32_t kOverflowCount = 6000;
}  // namespace

// clang-format off
BEGIN_MESSAGE_MAP(CounterDlg, PanelDlg)
    ON_COMMAND(IDC_SET, OnSet)
    ON_COMMAND(IDC_STOP, OnStop)
    ON_MESSAGE(WM_SECOND_TICK, OnSecondTick)
END_MESSAGE_MAP()
// clang-format on

void CounterDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_SET, m_btnSet);
    DDX_Control(pDX, IDC_STOP, m_btnStop);
    DDX_Control(pDX, IDC_REMAIN1, m_stMin10);
    DDX_Control(pDX, IDC_REMAIN2, m_stMin1);
    DDX_Control(pDX, IDC_REMAIN3, m_stSec10);
    DDX_Control(pDX, IDC_REMAIN4, m_stSec1);
}

BOOL CounterDlg::OnInitDialog()
{
    PanelDlg::OnInitDialog();
    m_btnStop.EnableWindow(FALSE);
    return TRUE;
}

void CounterDlg::OnSet()
{
    if (m_btnSet.GetCheck() == BST_CHECKED)
        Start();
    else
        Reset();
    theApp.m_pMainDlg->RefreshStatus();
}

void CounterDlg::Start()
{
    m_btnStop.SetCheck(BST_UNCHECKED);
    m_btnStop.EnableWindow(TRUE);
    m_nCount = 0;
    ShowCount(m_nCount);
    m_strMessage = kCounterOverflowNotice;
    StartPanelClock(m_hWnd, m_uTimerID, theApp.m_nCounterState);
}

// Stop has already been toggled by the click.
void CounterDlg::OnStop()
{
    FollowStopToggle(m_hWnd, m_btnStop.GetCheck() == BST_CHECKED, m_uTimerID, theApp.m_nCounterState);
    theApp.m_pMainDlg->RefreshStatus();
}

LRESULT CounterDlg::OnSecondTick(WPARAM clockId, LPARAM)
{
    if (!IsLiveTick(clockId, m_uTimerID, theApp.m_nCounterState)) return 0;
    ++m_nCount;
    ShowCount(m_nCount);
    if (m_nCount == kOverflowCount) Overflow();
    return 0;
}

// The notice runs its own message loop, in which the other clocks go on ticking and the counter can start again.
void CounterDlg::Overflow()
{
    Reset();
    theApp.m_pMainDlg->RefreshStatus();
    MsgDlg notice(m_strMessage);
    notice.DoModal();
}

void CounterDlg::Reset()
{
    StopPanelClock(m_hWnd, m_uTimerID, theApp.m_nCounterState);
    m_btnSet.SetCheck(BST_UNCHECKED);
    m_btnStop.SetCheck(BST_UNCHECKED);
    m_btnStop.EnableWindow(FALSE);
    ShowCount(0);
}

void CounterDlg::ShowCount(int seconds)
{
    const std::array<std::wstring, 4> digits = CountDigits(seconds);
    m_stMin10.SetWindowText(digits[0]);
    m_stMin1.SetWindowText(digits[1]);
    m_stSec10.SetWindowText(digits[2]);
    m_stSec1.SetWindowText(digits[3]);
}
