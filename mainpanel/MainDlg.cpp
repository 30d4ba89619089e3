#include "mainpanel/MainDlg.h"

#include <windowsx.h>

#include "app/HourgladeApp.h"
#include "framework/Gdi.h"
#include "framework/Report.h"
#include "mainpanel/ExitDlg.h"
#include "mainpanel/MainRules.h"
#include "panels/AlarmDlg.h"
#include "panels/CounterDlg.h"
#include "panels/ShutdownDlg.h"
#include "panels/TimerDlg.h"
#include "res/legal.h"
#include "res/resource.h"

namespace {
constexpr wchar_t kWebsiteAddress[] = L"" HG_WEBSITE;
constexpr UINT kTrayIconId = 0;

// Broadcast by the shell when the notification area is created anew: after it crashed, and on some changes of the
// screen's scale.
const UINT WM_TASKBARCREATED = ::RegisterWindowMessageW(L"TaskbarCreated");

static_assert(tray_event::kContextMenu == WM_CONTEXTMENU && tray_event::kLeftPress == WM_LBUTTONDOWN &&
              tray_event::kLeftDoubleClick == WM_LBUTTONDBLCLK && tray_event::kRightPress == WM_RBUTTONDOWN &&
              tray_event::kSelect == NIN_SELECT && tray_event::kKeySelect == NIN_KEYSELECT &&
              tray_event::kNotificationClick == NIN_BALLOONUSERCLICK);
}  // namespace

// clang-format off
BEGIN_MESSAGE_MAP(CMainDlg, CDialog)
    ON_COMMAND(IDC_WEBSITE, OnWebsite)
    ON_WM_INITMENU()
    ON_COMMAND(ID_MENU_MAINPANEL, OnMenuMainPanel)
    ON_COMMAND(ID_MENU_ALARM, OnMenuAlarm)
    ON_COMMAND(ID_MENU_TIMER, OnMenuTimer)
    ON_COMMAND(ID_MENU_COUNTER, OnMenuCounter)
    ON_COMMAND(ID_MENU_SHUTDOWN, OnMenuShutdown)
    ON_COMMAND(ID_MENU_EXIT, OnMenuExit)
    ON_COMMAND(ID_QUICK_TIMER1, OnQuickTimer1)
    ON_COMMAND(ID_QUICK_TIMER3, OnQuickTimer3)
    ON_COMMAND(ID_QUICK_TIMER5, OnQuickTimer5)
    ON_COMMAND(ID_QUICK_TIMER10, OnQuickTimer10)
    ON_COMMAND(ID_QUICK_COUNTER, OnQuickCounter)
    ON_MESSAGE(WM_TRAYNOTIFY, OnTrayNotify)
    ON_MESSAGE(WM_TASKBARCREATED, OnTaskbarCreated)
    ON_WM_TIMER()
    ON_MESSAGE(WM_POWERBROADCAST, OnPowerBroadcast)
    ON_MESSAGE(WM_TIMECHANGE, OnTimeChange)
    ON_MESSAGE(WM_QUERYENDSESSION, OnQueryEndSession)
    ON_MESSAGE(WM_ENDSESSION, OnEndSession)
END_MESSAGE_MAP()
// clang-format on

CMainDlg::CMainDlg()
    : CDialog(IDD_MAIN),
      m_hIcon(::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_IDLE))),
      m_trayIcon(WM_TRAYNOTIFY),
      m_trayInput(kTrayIconId, ::GetDoubleClickTime())
{
}

void CMainDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_STATUS_ALARM, m_stAlarm);
    DDX_Control(pDX, IDC_STATUS_TIMER, m_stTimer);
    DDX_Control(pDX, IDC_STATUS_COUNTER, m_stCounter);
    DDX_Control(pDX, IDC_STATUS_SHUTDOWN, m_stShutdown);
}

BOOL CMainDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    AttachMenuBar();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    m_smallIcon = TrayIcon::SmallProgramIcon(IDI_IDLE);
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_smallIcon.Get()));
    m_trayIcon.Add(m_hWnd, CurrentTip());
    RegisterForRestart();
    RefreshStatus();
    return TRUE;
}

// The template names no menu, which the system would load in the thread's language rather than the windows'. The
// bar takes its height from the client area, so the window grows by as much and the controls keep their room.
void CMainDlg::AttachMenuBar()
{
    const RECT clientBefore = GetClientRect();
    ::SetMenu(m_hWnd, AfxLoadMenu(IDR_MAINMENU));
    const RECT clientAfter = GetClientRect();
    const RECT window = GetWindowRect();
    SetWindowPos(nullptr, 0, 0, window.right - window.left,
                 window.bottom - window.top + clientBefore.bottom - clientAfter.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CMainDlg::RefreshStatus()
{
    const ClockStates states = theApp.AllClockStates();
    CStatic* const lines[] = {&m_stAlarm, &m_stTimer, &m_stCounter, &m_stShutdown};
    const auto rules = StatusLineRules(states);
    for (size_t i = 0; i < rules.size(); ++i) {
        if (!rules[i].line) continue;
        lines[i]->EnableWindow(rules[i].line->enabled);
        lines[i]->SetWindowText(theApp.Text(rules[i].line->text));
    }
    m_trayIcon.ShowLook(IsIconActive(states), CurrentTip());
}

void CMainDlg::RefreshTip()
{
    m_trayIcon.ShowTip(CurrentTip());
}

std::wstring CMainDlg::CurrentTip() const
{
    std::array<std::optional<std::wstring>, 4> lines;
    for (size_t i = 0; i < kAllClocks.size(); ++i) {
        // The main panel is created first, while the other panels do not exist yet.
        if (const PanelDlg* panel = theApp.FeaturePanel(kAllClocks[i])) lines[i] = panel->TipLine();
    }
    return TrayTip(lines, theApp.Texts());
}

// The notification-area icon -------------------------------------------------------------------------------

LRESULT CMainDlg::OnTrayNotify(WPARAM anchor, LPARAM eventAndIcon)
{
    const TrayCommand command = m_trayInput.OnEvent(LOWORD(eventAndIcon), HIWORD(eventAndIcon), ::GetTickCount());
    const POINT at{GET_X_LPARAM(anchor), GET_Y_LPARAM(anchor)};
    switch (command.action) {
    case TrayAction::MainMenu:
        TrackTrayMenu(0, at, command.fromKeyboard);
        break;
    case TrayAction::QuickMenu:
        TrackTrayMenu(1, at, command.fromKeyboard);
        break;
    case TrayAction::ShowMainPanel:
        ShowMainPanel();
        break;
    case TrayAction::ShowNotice:
        BringNoticeToFront();
        break;
    case TrayAction::None:
        break;
    }
    return 0;
}

// Opens one pop-up of menu 129 at the anchor; a chosen command arrives afterwards as WM_COMMAND.
void CMainDlg::TrackTrayMenu(int popupIndex, POINT anchor, bool fromKeyboard)
{
    // Without being the foreground window the panel would not see the menu close when the user clicks
    // elsewhere.
    ::SetForegroundWindow(m_hWnd);
    const GdiObject<HMENU> menu(AfxLoadMenu(IDR_MAINMENU));
    // No flag of TrackPopupMenu highlights an item; the first key the menu reads does.
    if (fromKeyboard) PostMessage(WM_KEYDOWN, VK_DOWN);
    m_trayInput.MenuOpened();
    ::TrackPopupMenu(::GetSubMenu(menu.Get(), popupIndex), TPM_RIGHTBUTTON, anchor.x, anchor.y, 0, m_hWnd, nullptr);
    m_trayInput.MenuClosed();
    // Makes the menu's end take effect before the next click on the icon.
    PostMessage(WM_NULL);
    if (fromKeyboard) m_trayIcon.GiveFocusBack();
}

// The notice takes the keyboard, so that Esc closes it; Windows lets it in front after a click on its notification.
void CMainDlg::BringNoticeToFront()
{
    const HWND notice = theApp.LastOpenNotice();
    if (!notice) return;
    ::SetForegroundWindow(notice);
    ::SetFocus(notice);
}

LRESULT CMainDlg::OnTaskbarCreated(WPARAM, LPARAM)
{
    // The new notification area knows nothing of the icon, which is the only way into the program.
    m_trayIcon.Add(m_hWnd, CurrentTip());
    return 0;
}

void CMainDlg::OnTimer(UINT_PTR timerId)
{
    m_trayIcon.OnTimer(timerId);
}

void CMainDlg::PostNcDestroy()
{
    m_trayIcon.Remove();
    delete this;
}

// Sleep, resume, changes of the time and the end of the session --------------------------------------------

// A power-off must not act on a target that passed while the computer slept or the time jumped.
LRESULT CMainDlg::OnPowerBroadcast(WPARAM event, LPARAM)
{
    if (event == PBT_APMRESUMEAUTOMATIC || event == PBT_APMRESUMESUSPEND) NoteTimeDisturbed();
    return TRUE;
}

LRESULT CMainDlg::OnTimeChange(WPARAM, LPARAM)
{
    NoteTimeDisturbed();
    return 0;
}

// A broadcast may come while the start-up is still creating the panels.
void CMainDlg::NoteTimeDisturbed()
{
    if (theApp.m_pShutdownDlg) theApp.m_pShutdownDlg->NoteTimeDisturbed();
}

// Once the program is registered, the Restart Manager starts it again after an installer or updater closed it.
void CMainDlg::RegisterForRestart()
{
    const HRESULT result =
        ::RegisterApplicationRestart(nullptr, RESTART_NO_CRASH | RESTART_NO_HANG | RESTART_NO_REBOOT);
    if (FAILED(result))
        ReportFailure(L"Registering for a restart after updates", Failure::Handled, static_cast<DWORD>(result));
}

// At a real sign-out or shutdown Windows would otherwise start the program again at the next sign-in on its own,
// beside the Startup shortcut, and even for a user who chose to have none.
LRESULT CMainDlg::OnQueryEndSession(WPARAM, LPARAM reasons)
{
    if (!(reasons & ENDSESSION_CLOSEAPP)) ::UnregisterApplicationRestart();
    return TRUE;
}

// The program ends with the session, or when an installer closes it, and leaves every clock and stored value as
// it is: a set alarm comes back at the next start. Open popups end with their loops; no window is destroyed.
LRESULT CMainDlg::OnEndSession(WPARAM ending, LPARAM)
{
    if (!ending) {
        RegisterForRestart();
        return 0;
    }
    m_trayIcon.Remove();
    ::PostQuitMessage(0);
    return 0;
}

// Commands --------------------------------------------------------------------------------------------------

void CMainDlg::OnInitMenu(HMENU menu)
{
    for (const MenuItemRule& rule : MenuRules(theApp.AllClockStates(), theApp.m_bMainShown)) {
        if (rule.kind == MenuItemRule::Kind::Check)
            ::CheckMenuItem(menu, rule.id, MF_BYCOMMAND | (rule.on ? MF_CHECKED : MF_UNCHECKED));
        else
            ::EnableMenuItem(menu, rule.id, MF_BYCOMMAND | (rule.on ? MF_ENABLED : MF_GRAYED));
    }
}

void CMainDlg::ShowMainPanel()
{
    ShowWindow(SW_SHOW);
    theApp.m_bMainShown = true;
}

void CMainDlg::OnMenuMainPanel()
{
    ShowMainPanel();
}

void CMainDlg::OnCancel()
{
    ShowWindow(SW_HIDE);
    theApp.m_bMainShown = false;
}

void CMainDlg::ShowInTopmostBand(CWnd& panel)
{
    panel.ShowWindow(SW_SHOW);
    panel.SetWindowPos(HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}

void CMainDlg::OnMenuAlarm()
{
    ShowInTopmostBand(*theApp.m_pAlarmDlg);
    theApp.m_pAlarmDlg->PresetFromHistory();
}

void CMainDlg::OnMenuTimer()
{
    ShowInTopmostBand(*theApp.m_pTimerDlg);
    theApp.m_pTimerDlg->PresetFromHistory();
}

void CMainDlg::OnMenuCounter()
{
    ShowInTopmostBand(*theApp.m_pCounterDlg);
}

void CMainDlg::OnMenuShutdown()
{
    ShowInTopmostBand(*theApp.m_pShutdownDlg);
    theApp.m_pShutdownDlg->PresetFromHistory();
}

void CMainDlg::QuickSetTimer(const std::wstring& minutes)
{
    theApp.m_pTimerDlg->QuickSet(minutes);
    ShowInTopmostBand(*theApp.m_pTimerDlg);
}

void CMainDlg::OnQuickTimer1()
{
    QuickSetTimer(L"01");
}

void CMainDlg::OnQuickTimer3()
{
    QuickSetTimer(L"03");
}

void CMainDlg::OnQuickTimer5()
{
    QuickSetTimer(L"05");
}

void CMainDlg::OnQuickTimer10()
{
    QuickSetTimer(L"10");
}

void CMainDlg::OnQuickCounter()
{
    theApp.m_pCounterDlg->QuickStart();
    ShowInTopmostBand(*theApp.m_pCounterDlg);
}

void CMainDlg::OnWebsite()
{
    const auto result =
        reinterpret_cast<INT_PTR>(::ShellExecuteW(nullptr, L"open", kWebsiteAddress, nullptr, nullptr, SW_SHOW));
    if (result <= 32) AfxMessageBox(theApp.Text(TextId::WebsiteUnavailable), MB_OK);
}

void CMainDlg::OnMenuExit()
{
    ExitDlg confirmation;
    switch (confirmation.DoModal()) {
    case ExitDlg::kConfirmed:
        // Every clock is stopped; the program stays in the notification area.
        for (const Clock clock : kAllClocks) theApp.FeaturePanel(clock)->ShowWindow(SW_HIDE);
        ShowWindow(SW_HIDE);
        theApp.m_bMainShown = false;
        RefreshStatus();
        break;
    case ExitDlg::kConfirmedWithRemoval:
        // The feature panels go first, then this panel removes the icon and deletes itself; the program ends
        // with its main window.
        DestroyWindow();
        break;
    default:
        break;
    }
}
