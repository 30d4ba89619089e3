#include "panels/CounterDlg.h"

#include "panels/ClockTexts.h"
#include "panels/SecondTicks.h"
#include "res/resource.h"

namespace {
// 100 minutes: the count stops here.
constexpr std::int32_t kOverflowCount = 6000;
}  // namespace

// clang-format off
BEGIN_MESSAGE_MAP(CounterDlg, CountingPanel<PanelDlg>)
    ON_COMMAND(IDC_SET, OnSet)
    ON_COMMAND(IDC_STOP, OnStop)
    ON_MESSAGE(WM_SECOND_TICK, OnSecondTick)
END_MESSAGE_MAP()
// clang-format on

CounterDlg::CounterDlg() : CountingPanel(IDD_COUNTER, Clock::Counter) {}

void CounterDlg::QuickStart()
{
    m_btnSet.SetCheck(BST_CHECKED);
    OnSet();
}

// Set has already been toggled: pressed in starts the count from 0, released clears it.
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

bool CounterDlg::CountOneSecond()
{
    ++m_nCount;
    ShowDigits(CountDigits(m_nCount));
    return m_nCount == kOverflowCount;
}
