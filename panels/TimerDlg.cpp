#include "panels/TimerDlg.h"

#include "app/Settings.h"
#include "panels/ClockTexts.h"
#include "panels/SteadyCount.h"
#include "res/resource.h"

TimerDlg::TimerDlg()
    : CountingPanel(IDD_TIMER, Clock::Timer,
                    Params{{9, 9, 5, 9},
                           {TextId::PlaceMinutesTens, TextId::PlaceMinutesUnits, TextId::PlaceSecondsTens,
                            TextId::PlaceSecondsUnits},
                           kTimerHistoryValue,
                           PresetRule::MostRecent})
{
}

void TimerDlg::QuickSet(const std::wstring& minutes)
{
    SetDigitTexts({std::wstring(1, minutes.front()), std::wstring(1, minutes.back()), L"0", L"0"});
    m_btnSet.SetCheck(BST_CHECKED);
    OnSet();
}

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
    m_nRemain = m_nSetSeconds = setting.seconds;
    ShowDigits(digits);
    if (StartCounting()) AddToHistory(setting.historyEntry);
}

void TimerDlg::RefuseNoTime()
{
    Reset();
    Refuse(TextId::RefusalNoTime, m_btnSet);
}

std::optional<std::wstring> TimerDlg::TipLine() const
{
    return CountingTipLine(State(), TextId::TipTimer, m_nRemain, theApp.Texts());
}

bool TimerDlg::ShowCount(std::int32_t counted)
{
    m_nRemain = TimerSecondsLeft(m_nSetSeconds, counted);
    ShowDigits(CountDigits(m_nRemain));
    return m_nRemain == 0;
}
