#include "app/HourgladeApp.h"

// COM, and the OLE types that GDI+ needs, which a lean <windows.h> leaves out.
#include <objbase.h>
#include <objidl.h>
// (after objidl.h)
#include <gdiplus.h>

#include <utility>

#include "app/History.h"
#include "app/Language.h"
#include "app/Settings.h"
#include "framework/Gdi.h"
#include "framework/Report.h"
#include "mainpanel/MainDlg.h"
#include "panels/AlarmDlg.h"
#include "panels/CounterDlg.h"
#include "panels/ShutdownDlg.h"
#include "panels/TimerDlg.h"
#include "res/resource.h"
#include "res/version.h"
#include "system/DisplayLanguage.h"

CHourgladeApp theApp;

CHourgladeApp::CHourgladeApp()
    : CWinApp(L"" HG_PROGRAM_NAME),
      m_nAlarmState(state::kIdle),
      m_nTimerState(state::kIdle),
      m_nCounterState(state::kIdle),
      m_nShutdownState(state::kIdle),
      m_bMainShown(false)
{
}

namespace {
// Creates a panel hidden from its template; without a parent named, the main panel (once it exists) owns it.
bool CreateHidden(CDialog& panel, UINT templateId)
{
    if (!panel.Create(templateId)) return ReportFailure(L"Creating a panel", Failure::Handled);
    panel.ShowWindow(SW_HIDE);
    return true;
}

// The state member of a clock, writable or not as the application object is.
template <class App> auto& StateMember(App& app, Clock clock)
{
    switch (clock) {
    case Clock::Alarm:
        return app.m_nAlarmState;
    case Clock::Timer:
        return app.m_nTimerState;
    case Clock::Counter:
        return app.m_nCounterState;
    case Clock::Shutdown:
        break;
    }
    return app.m_nShutdownState;
}
}  // namespace

BOOL CHourgladeApp::InitInstance()
{
    CWinApp::InitInstance();
    // A second start of the same program brings up the running copy instead, so that two copies never
    // overwrite each other's stored values. It ends here, having written nothing.
    if (!m_singleInstance.Claim(m_strAppName)) {
        m_singleInstance.ShowRunningCopy();
        return FALSE;
    }

    // The objects that answer the screen readers need COM, apartment-threaded as the windows' thread is.
    const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    m_bComStarted = SUCCEEDED(com);
    if (!m_bComStarted)
        ReportFailure(L"Starting COM for the screen readers", Failure::Handled, static_cast<DWORD>(com));

    const Gdiplus::GdiplusStartupInput gdiplusInput;
    if (Gdiplus::GdiplusStartup(&m_gdiplusToken, &gdiplusInput, nullptr) != Gdiplus::Ok)
        ReportFailure(L"Starting GDI+, with which the digit picker draws", Failure::Unhandled);

    {
        const WindowDC screen(nullptr);
        m_dScaleX = ::GetDeviceCaps(screen.Get(), LOGPIXELSX) / 96.0;
        m_dScaleY = ::GetDeviceCaps(screen.Get(), LOGPIXELSY) / 96.0;
    }

    SetRegistryKey(kRegistryCompany);
    m_language = LanguageOfDisplay(UserDisplayLanguage());
    m_texts = LoadTexts(LangIdOf(m_language));

    if (!CreatePanels()) {
        // Running with a panel missing would go wrong later where the user cannot see why.
        AfxMessageBox(Text(TextId::CouldNotStart), MB_OK | MB_ICONERROR);
        if (m_pMainDlg->m_hWnd) m_pMainDlg->DestroyWindow();
        m_nExitCode = 1;
        return FALSE;
    }
    LoadStoredValues();
    m_singleInstance.Publish(m_pMainDlg->m_hWnd);
    return TRUE;
}

bool CHourgladeApp::CreatePanels()
{
    m_pMainDlg = new CMainDlg();
    m_pMainWnd = m_pMainDlg;
    return CreateHidden(*m_pMainDlg, IDD_MAIN) && CreateHidden(*(m_pAlarmDlg = new AlarmDlg()), IDD_ALARM) &&
           CreateHidden(*(m_pTimerDlg = new TimerDlg()), IDD_TIMER) &&
           CreateHidden(*(m_pCounterDlg = new CounterDlg()), IDD_COUNTER) &&
           CreateHidden(*(m_pShutdownDlg = new ShutdownDlg()), IDD_SHUTDOWN);
}

void CHourgladeApp::LoadStoredValues()
{
    SplitHistory(GetProfileString(kSettingsSection, kAlarmHistoryValue, {}), m_pAlarmDlg->m_history);
    const int alarmState = GetProfileInt(kSettingsSection, kAlarmStateValue, state::kIdle);
    const std::wstring alarmTarget = GetProfileString(kSettingsSection, kAlarmTargetValue, kDefaultAlarmTarget);
    m_pAlarmDlg->RestoreAlarm(alarmState, alarmTarget);
    SplitHistory(GetProfileString(kSettingsSection, kTimerHistoryValue, {}), m_pTimerDlg->m_history);
    SplitHistory(GetProfileString(kSettingsSection, kShutdownHistoryValue, {}), m_pShutdownDlg->m_history);
}

std::int32_t CHourgladeApp::ClockState(Clock clock) const
{
    return StateMember(*this, clock);
}

ClockStates CHourgladeApp::AllClockStates() const
{
    return {m_nAlarmState, m_nTimerState, m_nCounterState, m_nShutdownState};
}

void CHourgladeApp::SetClockState(Clock clock, std::int32_t state, StatusRefresh refresh)
{
    StateMember(*this, clock) = state;
    if (refresh == StatusRefresh::Now) m_pMainDlg->RefreshStatus();
}

const void* CHourgladeApp::FindResourceData(LPCWSTR type, UINT id) const
{
    return FindResourceIn(LangIdOf(m_language), type, id);
}

PanelDlg* CHourgladeApp::FeaturePanel(Clock clock) const
{
    switch (clock) {
    case Clock::Alarm:
        return m_pAlarmDlg;
    case Clock::Timer:
        return m_pTimerDlg;
    case Clock::Counter:
        return m_pCounterDlg;
    case Clock::Shutdown:
        break;
    }
    return m_pShutdownDlg;
}

void CHourgladeApp::OnNoticeOpened(HWND notice, const std::wstring& text)
{
    m_openNotices.push_back(notice);
    if (m_pMainDlg) m_pMainDlg->m_trayIcon.ShowNotification(Text(TextId::ProgramName), text);
}

void CHourgladeApp::OnNoticeClosed(HWND notice)
{
    std::erase(m_openNotices, notice);
    if (m_openNotices.empty() && m_pMainDlg) m_pMainDlg->m_trayIcon.ClearNotification();
}

void CHourgladeApp::ClockTicked()
{
    m_pMainDlg->RefreshTip();
}

int CHourgladeApp::ExitInstance()
{
    // The panels have deleted themselves with their windows.
    m_pMainDlg = nullptr;
    m_pAlarmDlg = nullptr;
    m_pTimerDlg = nullptr;
    m_pCounterDlg = nullptr;
    m_pShutdownDlg = nullptr;
    if (m_gdiplusToken) {
        Gdiplus::GdiplusShutdown(m_gdiplusToken);
        m_gdiplusToken = 0;
    }
    if (std::exchange(m_bComStarted, false)) ::CoUninitialize();
    m_openNotices.clear();
    return CWinApp::ExitInstance();
}
