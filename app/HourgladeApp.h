#pragma once
// The application object: starts the program with its five hidden panels, holds the state through which the
// panels reach each other, and shuts the drawing library down at the end.
#include <cstdint>

#include "app/SingleInstance.h"
#include "framework/App.h"

class CMainDlg;
class AlarmDlg;
class TimerDlg;
class CounterDlg;
class ShutdownDlg;

class CHourgladeApp : public CWinApp {
public:
    CHourgladeApp();

    BOOL InitInstance() override;
    int ExitInstance() override;

    CMainDlg* m_pMainDlg = nullptr;
    AlarmDlg* m_pAlarmDlg = nullptr;
    TimerDlg* m_pTimerDlg = nullptr;
    CounterDlg* m_pCounterDlg = nullptr;
    ShutdownDlg* m_pShutdownDlg = nullptr;

    // 0 not set, 1 running or waiting, 2 paused (timer and counter only). Only state 1 makes the icon active.
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

private:
    void LoadStoredValues();

    SingleInstance m_singleInstance;
};

extern CHourgladeApp theApp;
