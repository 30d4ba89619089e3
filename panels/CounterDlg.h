#pragma once
// The count-up counter panel: minutes and seconds counted up once a second, stopping at 100 minutes.
#include <cstdint>
#include <string>

#include "panels/PanelDlg.h"
#include "res/resource.h"

class CounterDlg : public PanelDlg {
public:
    CounterDlg() : PanelDlg(IDD_COUNTER) {}

    // Set has already been toggled (by a click, or by the main panel's quick start): pressed in starts the count
    // from 0, released clears it.
    void OnSet();
    // Stops the count and returns the panel to idle. The caller refreshes the main panel.
    void Reset();

    std::uint32_t m_uTimerID = 0;
    std::wstring m_strMessage;
    std::int32_t m_nCount = 0;
    CButton m_btnSet;
    CButton m_btnStop;
    CStatic m_stMin10;
    CStatic m_stMin1;
    CStatic m_stSec10;
    CStatic m_stSec1;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

    void OnStop();
    LRESULT OnSecondTick(WPARAM clockId, LPARAM);

    DECLARE_MESSAGE_MAP()

private:
    void Start();
    void Overflow();
    void ShowCount(int seconds);
};
