#include "panels/CounterDlg.h"

#include "panels/ClockTexts.h"
#include "res/resource.h"

namespace {
// 100 minutes: the count stops here.
constexpr std::int32_t kOverflowCount = 6000;
}  // namespace

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

// The count shown never reaches 100 minutes, however late the tick that finds it there.
bool CounterDlg::ShowCount(std::int32_t counted)
{
    if (counted >= kOverflowCount) return true;
    m_nCount = counted;
    ShowDigits(CountDigits(m_nCount));
    return false;
}
