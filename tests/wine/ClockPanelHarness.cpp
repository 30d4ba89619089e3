#include "tests/wine/ClockPanelHarness.h"

#include "app/HourgladeApp.h"
#include "panels/AlarmDlg.h"
#include "panels/ClockTime.h"
#include "panels/ShutdownDlg.h"
#include "res/resource.h"

std::int64_t At(int hour, int minute, int second)
{
    return FromLocalTime({2026, 5, 12, hour, minute, second}).value();
}

std::int64_t Tomorrow(int hour, int minute)
{
    return FromLocalTime({2026, 5, 13, hour, minute, 0}).value();
}

ClockTimeDlg& ClockObject(Panel panel)
{
    if (panel == Panel::Alarm) return *theApp.m_pAlarmDlg;
    return *theApp.m_pShutdownDlg;
}

HWND Window(Panel panel)
{
    return ClockObject(panel).m_hWnd;
}

std::int32_t StateOf(Panel panel)
{
    return panel == Panel::Alarm ? theApp.m_nAlarmState : theApp.m_nShutdownState;
}

void SetAndStart(Panel panel, const DigitTexts& digits)
{
    SetDigits(Window(panel), digits);
    Click(Window(panel), IDC_SET);
}

void Tick(Panel panel)
{
    ::SendMessageW(Window(panel), WM_TIMER, ClockObject(panel).m_nTimerID, 0);
}
