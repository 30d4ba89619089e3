#include "tests/wine/TimeOfDayHarness.h"

#include "app/HourgladeApp.h"
#include "panels/AlarmDlg.h"
#include "panels/ShutdownDlg.h"
#include "panels/TimeOfDay.h"
#include "res/resource.h"

std::int64_t At(int hour, int minute, int second)
{
    return FromLocalTime({2026, 5, 12, hour, minute, second}).value();
}

std::int64_t Tomorrow(int hour, int minute)
{
    return FromLocalTime({2026, 5, 13, hour, minute, 0}).value();
}

TimeOfDayDlg& TimeOfDayObject(Panel panel)
{
    return dynamic_cast<TimeOfDayDlg&>(PanelOf(panel));
}

void SetAndStart(Panel panel, const DigitTexts& digits)
{
    SetDigits(WindowOf(panel), digits);
    Click(WindowOf(panel), IDC_SET);
}

void Tick(Panel panel)
{
    ::SendMessageW(WindowOf(panel), WM_TIMER, TimeOfDayObject(panel).m_nTimerID, 0);
}
