#include "panels/ShutdownDlg.h"

#include <variant>

#include "app/HourgladeApp.h"
#include "app/Settings.h"
#include "framework/Report.h"
#include "panels/TimeOfDay.h"
#include "res/resource.h"
#include "system/Now.h"
#include "system/PowerActions.h"

namespace {
constexpr std::int64_t kWarningSeconds = 180;

// What a mode does on this computer as it is now.
std::variant<PowerStep, PowerRefusal> PowerOffHere(PowerMode mode)
{
    return PowerOffOf(mode, QueryPowerCapabilities());
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
    for (const PowerMode mode : kPowerModes) m_cbMode.m_dropDown.m_items.push_back(theApp.Text(ModeNameOf(mode)));
    m_cbMode.m_dropDown.m_nCurSel = static_cast<int>(PowerMode::Shutdown);
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
    const std::optional<PowerMode> mode = CurrentMode();
    return Notify(mode ? theApp.Text(WarningOf(*mode)) : std::wstring());
}

// The mode read now names none while the selector's list is open with the pointer off its rows: nothing follows the
// reset then. Every way in which a mode cannot be carried out ends with the notice that says so.
void ShutdownDlg::PowerOff()
{
    ReturnToIdle();
    const std::optional<PowerMode> mode = CurrentMode();
    if (!mode) return;
    if (!CarryOut(*mode)) Notify(theApp.Text(TextId::ShutdownFailed));
}

// The mode may have been changed, while the power-off ran, to one that the computer lacks.
bool ShutdownDlg::CarryOut(PowerMode mode) const
{
    const std::variant<PowerStep, PowerRefusal> powerOff = PowerOffHere(mode);
    const PowerStep* step = std::get_if<PowerStep>(&powerOff);
    if (!step)
        return ReportFailure(L"Carrying out a mode that this computer lacks", Failure::Handled, ERROR_NOT_SUPPORTED);
    if (step->needsShutdownPrivilege && !EnableShutdownPrivilege()) return false;
    return CarryOutPowerAction(step->action, m_hWnd);
}

// A mode that the computer lacks; an index that names no mode is no refusal here, and does nothing at the action.
bool ShutdownDlg::IsStartRefused()
{
    const std::optional<PowerMode> mode = CurrentMode();
    if (!mode) return false;
    const std::variant<PowerStep, PowerRefusal> powerOff = PowerOffHere(*mode);
    const PowerRefusal* refusal = std::get_if<PowerRefusal>(&powerOff);
    if (refusal) Refuse(refusal->text, m_cbMode);
    return refusal != nullptr;
}

std::optional<std::wstring> ShutdownDlg::TipLine() const
{
    return ShutdownTipLine(State(), m_tTarget, m_cbMode.GetCurSel(), theApp.Texts());
}

// Shutting down, or putting to sleep, a computer that has just woken up would cost its user their work.
void ShutdownDlg::CallOff()
{
    ReturnToIdle();
    Notify(theApp.Text(TextId::ShutdownSkipped));
}
