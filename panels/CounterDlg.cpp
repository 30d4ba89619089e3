#include "panels/CounterDlg.h"

#include "panels/ClockTexts.h"
#include "panels/SteadyCount.h"
#include "res/resource.h"

CounterDlg::CounterDlg() : CountingPanel(IDD_COUNTER, Clock::Counter) {}

void CounterDlg::QuickStart()
{
    m_btnSet.SetCheck(BST_CHECKED);
    OnSet();
}

// Pressed in starts the count from 0, released clears it.
void CounterDlg::OnSet()
{
    if (m_btnSet.GetCheck() != BST_CHECKED) {
        ReturnToIdle();
        return;
    }
    m_nCount = 0;
    ShowDigits(CountDigits(m_nCount));
    m_strMessage = theApp.Text(TextId::CounterOverflow);
    StartCounting();
}

std::optional<std::wstring> CounterDlg::TipLine() const
{
    return CountingTipLine(State(), TextId::TipCounter, m_nCount, theApp.Texts());
}

bool CounterDlg::ShowCount(std::int32_t counted)
{
    if (HasCounterRunOut(counted)) return true;
    m_nCount = counted;
    ShowDigits(CountDigits(m_nCount));
    return false;
}
