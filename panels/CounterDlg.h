#pragma once
// The count-up counter panel: minutes and seconds counted up once a second, stopping at 100 minutes.
#include <cstdint>

#include "panels/CountingPanel.h"

class CounterDlg : public CountingPanel<PanelDlg> {
public:
    CounterDlg();

    // The main panel's quick start: Set pressed in, and the count started from 0 as a click on Set starts it.
    void QuickStart();

    std::optional<std::wstring> TipLine() const override;

    std::int32_t m_nCount = 0;

protected:
    void OnSet() override;
    bool ShowCount(std::int32_t counted) override;
};
