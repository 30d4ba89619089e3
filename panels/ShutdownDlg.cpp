#include "panels/ShutdownDlg.h"

#include "app/HourgladeApp.h"
#include "app/Settings.h"
#include "res/resource.h"

ShutdownDlg::ShutdownDlg()
    : TimeFieldDlg(IDD_SHUTDOWN, Params{{2, 9, 5, 9}, &theApp.m_nShutdownState, kShutdownHistoryValue,
                                          PresetRule::NextUpcoming})
{
}
