#include "panels/TimerDlg.h"

#include "app/Settings.h"
#include "controls/ErrDlg.h"
#include "panels/ClockTexts.h"
#include "panels/SecondTicks.h"
#include "res/resource.h"

// clang-format off
BEGIN_MESSAGE_MAP(TimerDlg, CountingPanel<TimeFieldDlg>)
    ON_COMMAND(IDC_SET, OnSet)
    ON_COMMAND(IDC_STOP, OnStop)
    ON_MESSAGE(WM_SECOND_TICK, OnSecondTick)
END_MESSAGE_MAP()
// clang-format on

TimerDlg::TimerDlg()
    : CountingPanel(IDD_TIMER, Clock::Timer, Params{{9, 9, 5, 9}, kTimerHistoryValue, PresetRule::MostRecent})
{
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
    if (m_btnSet.GetCheck() == BST_CHECKED)
        Start();
    else
        ReturnToIdle();
}

void TimerDlg::Start()
{
    const std::array<std::wstring, 4> digits = DigitTexts();
    const TimerSetting setting = TimerSettingOf(digits, theApp.Texts());
    if (setting.seconds == 0) {
        RefuseNoTime();
        return;
    }
    m_strMessage = setting.notice;
    m_nRemain = setting.seconds;
    ShowDigits(digits);
    if (StartCounting()) AddToHistory(setting.historyEntry);
}

void TimerDlg::RefuseNoTime()
{
    Reset();
    const RECT set = m_btnSet.GetWindowRect();
    ErrDlg refusal(theApp.Text(TextId::RefusalNoTime), set.left, set.bottom);
    refusal.DoModal();
}

bool TimerDlg::CountOneSecond()
{
    --m_nRemain;
    ShowDigits(CountDigits(m_nRemain));
    return m_nRemain == 0;
}
