#include "panels/ShutdownDlg.h"

#include "app/HourgladeApp.h"
#include "app/Settings.h"
#include "res/resource.h"

ShutdownDlg::ShutdownDlg()
    : TimeFieldDlg(IDD_SHUTDOWN, Params{{2, 9, 5, 9}, &theApp.m_nShutdownState, kShutdownHistoryValue,
                                          PresetRule::NextUpcoming})
{
}

void ShutdownDlg::Reset()
{
    if (theApp.m_nShutdownState == 1) ::KillTimer(m_hWnd, m_nTimerID);
    theApp.m_nShutdownState = 0;
    m_btnSet.SetCheck(BST_UNCHECKED);
    ClearRemaining();
    m_btnHistory.EnableWindow(TRUE);
}
