#include "mainpanel/MainDlg.h"

#include "app/HourgladeApp.h"
#include "app/Texts.h"
#include "framework/Gdi.h"
#include "mainpanel/ExitDlg.h"
#include "mainpanel/MainRules.h"
#include "panels/AlarmDlg.h"
#include "panels/CounterDlg.h"
#include "panels/ShutdownDlg.h"
#include "panels/TimerDlg.h"
#include "res/resource.h"

namespace {
constexpr wchar_t kWebsiteAddress[] = L"http://www.orvane-pellit.jp/Hourglade/index.htm";

// Broadcast by the shell when the notification area is created anew, for example after it crashed.
const UINT WM_TASKBARCREATED = ::RegisterWindowMessageW(L"TaskbarCreated");

HICON LoadProgramIcon(UINT id)
{
    return ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id));
}

// The image of the program's icon drawn for the system's small-icon size (16 pixels at 96 dpi, 20 at 120, 24 at
// 144), so that neither the shell nor the caption has to shrink the large one. Not shared: its owner destroys it.
OwnedIcon LoadSmallProgramIcon(UINT id)
{
    const int size = ::GetSystemMetrics(SM_CXSMICON);
    return OwnedIcon(
        static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0)));
}

ClockStates CurrentStates()
{
    return {theApp.m_nAlarmState, theApp.m_nTimerState, theApp.m_nCounterState, theApp.m_nShutdownState};
}
}  // namespace

// clang-format off
BEGIN_MESSAGE_MAP(CMainDlg, CDialog)
    ON_COMMAND(IDOK, OnEnter)
    ON_COMMAND(IDCANCEL, OnCancel)
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
    ON_MESSAGE(WM_TASKBARCREATED, OnTaskbarCreated)
END_MESSAGE_MAP()
// clang-format on

CMainDlg::CMainDlg() : CDialog(IDD_MAIN), m_hIcon(LoadProgramIcon(IDI_IDLE)) {}

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
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    m_smallIcon = LoadSmallProgramIcon(IDI_IDLE);
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_smallIcon.Get()));
    AddTrayIcon();
    RefreshStatus();
    return TRUE;
}

void CMainDlg::RefreshStatus()
{
    const ClockStates states = CurrentStates();
    CStatic* const lines[] = {&m_stAlarm, &m_stTimer, &m_stCounter, &m_stShutdown};
    const auto rules = StatusLineRules(states);
    for (size_t i = 0; i < rules.size(); ++i) {
        if (!rules[i].line) continue;
        lines[i]->EnableWindow(rules[i].line->enabled);
        lines[i]->SetWindowText(std::wstring(rules[i].line->text));
    }
    UpdateTrayIcon(IsIconActive(states));
}

// The notification-area icon -------------------------------------------------------------------------------

void CMainDlg::AddTrayIcon()
{
    m_nid.cbSize = NOTIFYICONDATAW_V3_SIZE;
    m_nid.hWnd = m_hWnd;
    m_nid.uID = 0;
    m_nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    m_nid.uCallbackMessage = WM_TRAYNOTIFY;
    m_trayIcon = LoadSmallProgramIcon(IDI_IDLE);
    m_nid.hIcon = m_trayIcon.Get();
    wcsncpy_s(m_nid.szTip, kTrayTip, _TRUNCATE);
    ::Shell_NotifyIconW(NIM_ADD, &m_nid);
}

void CMainDlg::UpdateTrayIcon(bool active)
{
    OwnedIcon next = LoadSmallProgramIcon(active ? IDI_ACTIVE : IDI_IDLE);
    m_nid.hIcon = next.Get();
    ::Shell_NotifyIconW(NIM_MODIFY, &m_nid);
    // The shell has the new image now; the one it replaced goes, so that handles do not pile up.
    m_trayIcon = std::move(next);
}

void CMainDlg::RemoveTrayIcon()
{
    ::Shell_NotifyIconW(NIM_DELETE, &m_nid);
}

LRESULT CMainDlg::OnTaskbarCreated(WPARAM, LPARAM)
{
    // The new notification area knows nothing of the icon, which is the only way into the program.
    ::Shell_NotifyIconW(NIM_ADD, &m_nid);
    return 0;
}

void CMainDlg::PostNcDestroy()
{
    RemoveTrayIcon();
    delete this;
}

LRESULT CMainDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_TRAYNOTIFY) {
        switch (static_cast<UINT>(lParam)) {
        case WM_LBUTTONDOWN:
            TrackTrayMenu(0);
            break;
        case WM_RBUTTONDOWN:
            TrackTrayMenu(1);
            break;
        case WM_LBUTTONDBLCLK:
            ShowMainPanel();
            break;
        default:
            break;
        }
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

// Opens one pop-up of menu 129 at the pointer; a chosen command arrives afterwards as WM_COMMAND.
void CMainDlg::TrackTrayMenu(int popupIndex)
{
    POINT pointer{};
    ::GetCursorPos(&pointer);
    // Without being the foreground window the panel would not see the menu close when the user clicks
    // elsewhere.
    ::SetForegroundWindow(m_hWnd);
    const LoadedMenu menu(IDR_MAINMENU);
    ::TrackPopupMenu(::GetSubMenu(menu.Get(), popupIndex), TPM_RIGHTBUTTON, pointer.x, pointer.y, 0, m_hWnd, nullptr);
    // Makes the menu's end take effect before the next click on the icon.
    PostMessage(WM_NULL);
}

// Commands --------------------------------------------------------------------------------------------------

void CMainDlg::OnInitMenu(HMENU menu)
{
    for (const MenuItemRule& rule : MenuRules(CurrentStates(), theApp.m_bMainShown)) {
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
    if (result <= 32) AfxMessageBox(kWebsiteUnavailable, MB_OK);
}

void CMainDlg::OnMenuExit()
{
    ExitDlg confirmation;
    switch (confirmation.DoModal()) {
    case ExitDlg::kConfirmed:
        // Every clock is stopped; the program stays in the notification area.
        theApp.m_pAlarmDlg->ShowWindow(SW_HIDE);
        theApp.m_pTimerDlg->ShowWindow(SW_HIDE);
        theApp.m_pCounterDlg->ShowWindow(SW_HIDE);
        theApp.m_pShutdownDlg->ShowWindow(SW_HIDE);
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
