#include "panels/ShutdownDlg.h"

#include "app/HourgladeApp.h"
#include "app/Settings.h"
#include "controls/MsgDlg.h"
#include "framework/Report.h"
#include "panels/PowerModes.h"
#include "panels/TimeOfDay.h"
#include "res/resource.h"
#include "system/Now.h"
#include "system/PowerActions.h"

namespace {
constexpr std::int64_t kWarningSeconds = 180;

bool IsMode(int mode)
{
    return mode >= static_cast<int>(PowerAction::Shutdown) && mode <= static_cast<int>(PowerAction::Hibernate);
}
}  // namespace

// clang-format off
BEGIN_MESSAGE_MAP(ShutdownDlg, TimeOfDayDlg)
    ON_MESSAGE(WM_SYSCOLORCHANGE, OnColoursChanged)
    ON_MESSAGE(WM_SETTINGCHANGE, OnColoursChanged)
END_MESSAGE_MAP()
// clang-format on

ShutdownDlg::ShutdownDlg()
    : TimeOfDayDlg(IDD_SHUTDOWN, Clock::Shutdown, kShutdownHistoryValue),
      m_cbMode(theApp.ScreenScale(), theApp.Text(TextId::SelectorName))
{
}

// A high-contrast theme switched on or off: the selector, which paints itself, takes its colours again. Only
// top-level windows hear of it.
LRESULT ShutdownDlg::OnColoursChanged(WPARAM, LPARAM)
{
    m_cbMode.InvalidateRect(nullptr, TRUE);
    return Default();
}

void ShutdownDlg::DoDataExchange(CDataExchange* pDX)
{
    TimeOfDayDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_MODE, m_cbMode);
}

// The mode is not stored: every run begins with shutting down.
BOOL ShutdownDlg::OnInitDialog()
{
    TimeOfDayDlg::OnInitDialog();
    for (const PowerAction mode : {PowerAction::Shutdown, PowerAction::Sleep, PowerAction::Hibernate})
        m_cbMode.m_dropDown.m_items.push_back(theApp.Text(*ShutdownModeOf(static_cast<int>(mode))));
    m_cbMode.m_dropDown.m_nCurSel = static_cast<int>(PowerAction::Shutdown);
    return TRUE;
}

void ShutdownDlg::OnClockStarted(const TimeOfDaySetting&)
{
    m_bWarned = false;
    ++m_nSetting;
    m_tPreviousTick = WallTime();
    m_bDisturbed = false;
}

// The mode is read at the warning and again at the action, so a change in between counts for the action.
void ShutdownDlg::OnClockTick(std::int64_t secs)
{
    const std::int64_t now = WallTime();
    const bool passedUnseen = secs <= 0 && IsPassedUnseen(secs, m_tPreviousTick, now, m_bDisturbed);
    m_tPreviousTick = now;
    m_bDisturbed = false;
    if (passedUnseen) {
        CallOff();
        return;
    }
    const unsigned setting = m_nSetting;
    if (secs <= kWarningSeconds && !m_bWarned && !Warn()) return;
    // The warning runs its own message loop: meanwhile a later tick may have powered off already, or the user
    // may have cancelled or set a new time.
    if (secs <= 0 && IsClockRunning() && m_nSetting == setting) PowerOff();
}

bool ShutdownDlg::Warn()
{
    // Set first, so that the ticks handled while the warning is open show no second one.
    m_bWarned = true;
    const std::optional<TextId> text = ShutdownWarningOf(m_cbMode.GetCurSel());
    MsgDlg warning(text ? theApp.Text(*text) : std::wstring());
    return warning.DoModal() == MsgDlg::kClosed;
}

// The mode may have been changed, while the power-off ran, to one the computer lacks; the user hears of every way
// in which the action could not be carried out.
void ShutdownDlg::PowerOff()
{
    ReturnToIdle();
    const int mode = m_cbMode.GetCurSel();
    if (!IsMode(mode)) return;
    const std::optional<PowerAction> action = PowerActionFor(mode, QueryPowerCapabilities());
    if (!action)
        ReportFailure(L"Carrying out a mode that this computer lacks", Failure::Handled, ERROR_NOT_SUPPORTED);
    else if ((!NeedsShutdownPrivilege(*action) || EnableShutdownPrivilege()) && CarryOutPowerAction(*action, m_hWnd))
        return;
    MsgDlg notice(theApp.Text(TextId::ShutdownFailed));
    notice.DoModal();
}

bool ShutdownDlg::IsStartRefused()
{
    const std::optional<TextId> refusal = RefusalOfMode(m_cbMode.GetCurSel(), QueryPowerCapabilities());
    if (refusal) Refuse(*refusal, m_cbMode);
    return refusal.has_value();
}

std::optional<std::wstring> ShutdownDlg::TipLine() const
{
    return ShutdownTipLine(State(), m_tTarget, m_cbMode.GetCurSel(), theApp.Texts());
}

// Shutting down, or putting to sleep, a computer that has just woken up would cost its user their work.
void ShutdownDlg::CallOff()
{
    ReturnToIdle();
    MsgDlg notice(theApp.Text(TextId::ShutdownSkipped));
    notice.DoModal();
}
