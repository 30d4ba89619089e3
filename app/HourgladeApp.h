#pragma once
// The application object: starts the program with its five hidden panels, holds the state through which the
// panels reach each other, and shuts the drawing library down at the end.
#include <cstdint>
#include <string>
#include <vector>

#include "app/Clocks.h"
#include "app/SingleInstance.h"
#include "app/Texts.h"
#include "framework/App.h"
#include "framework/Drawing.h"

class CMainDlg;
class PanelDlg;
class AlarmDlg;
class TimerDlg;
class CounterDlg;
class ShutdownDlg;

// Whether a change of state brings the main panel into line at once, or leaves that to the caller: a panel's
// Reset, which the exit confirmation runs for all four clocks before the main panel follows once (or goes).
enum class StatusRefresh { Now, ByCaller };

class CHourgladeApp : public CWinApp {
public:
    CHourgladeApp();

    BOOL InitInstance() override;
    int ExitInstance() override;
    // Every resource in the language of the windows, or else in Japanese.
    const void* FindResourceData(LPCWSTR type, UINT id) const override;
    // A clock's notice has opened with a text, or is closing: the icon shows the notice opened last as a notification
    // of its own (a toast on Windows 10 and 11), until the last open notice has closed.
    void OnNoticeOpened(HWND notice, const std::wstring& text);
    void OnNoticeClosed(HWND notice);
    // The notice opened last of those still open; null for none.
    HWND LastOpenNotice() const { return m_openNotices.empty() ? nullptr : m_openNotices.back(); }

    // The one way a clock's state changes: the state member is written, then the main panel's status lines, the
    // icon and its tip follow.
    void SetClockState(Clock clock, std::int32_t state, StatusRefresh refresh = StatusRefresh::Now);
    std::int32_t ClockState(Clock clock) const;
    ClockStates AllClockStates() const;
    // A running clock has ticked: the icon's tip follows the time it shows.
    void ClockTicked();
    // The panel of a clock; null while the start-up has not created it yet.
    PanelDlg* FeaturePanel(Clock clock) const;

    // The language of the windows, chosen at start-up from the user's display language.
    Language m_language = Language::Japanese;
    // The texts of the code in that language.
    const TextTable& Texts() const { return m_texts; }
    const std::wstring& Text(TextId id) const { return m_texts[id]; }

    CMainDlg* m_pMainDlg = nullptr;
    AlarmDlg* m_pAlarmDlg = nullptr;
    TimerDlg* m_pTimerDlg = nullptr;
    CounterDlg* m_pCounterDlg = nullptr;
    ShutdownDlg* m_pShutdownDlg = nullptr;

    // Each clock's state: state::kIdle, kRunning or kPaused (app/Clocks.h).
    std::int32_t m_nAlarmState;
    std::int32_t m_nTimerState;
    std::int32_t m_nCounterState;
    std::int32_t m_nShutdownState;
    // The main panel has been shown by the program's own commands.
    bool m_bMainShown;

    ULONG_PTR m_gdiplusToken = 0;
    // Logical pixels per inch of the screen divided by 96, across and down.
    double m_dScaleX = 1.0;
    double m_dScaleY = 1.0;
    Scale ScreenScale() const { return {m_dScaleX, m_dScaleY}; }

private:
    // The five panels, in their order, hidden; false when one could not be created.
    bool CreatePanels();
    void LoadStoredValues();

    SingleInstance m_singleInstance;
    TextTable m_texts;
    std::vector<HWND> m_openNotices;
    // COM serves the screen readers' objects; it was started on this thread and is to be ended with the program.
    bool m_bComStarted = false;
};

extern CHourgladeApp theApp;
