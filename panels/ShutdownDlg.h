#pragma once
// The power-off panel: shuts the computer down, or puts it to sleep or into hibernation, at a time of day, with a
// warning three minutes before.
#include "controls/TComboBox.h"
#include "panels/PowerModes.h"
#include "panels/TimeOfDayDlg.h"

class ShutdownDlg : public TimeOfDayDlg {
public:
    ShutdownDlg();

    // The system resumed from sleep or hibernation, or its time was changed: the next tick may find the target
    // passed while nobody saw it coming, and then calls the power-off off.
    void NoteTimeDisturbed() { m_bDisturbed = true; }
    std::optional<std::wstring> TipLine() const override;

    // The warning has been shown for the current setting.
    bool m_bWarned = false;
    // The kind of action, by item index: shut down, sleep, hibernate.
    TComboBox m_cbMode;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    bool IsStartRefused() override;
    void OnClockStarted(const TimeOfDaySetting& setting) override;
    void OnClockTick(std::int64_t secs) override;
    LRESULT OnColoursChanged(WPARAM, LPARAM);

    DECLARE_MESSAGE_MAP()

private:
    // False when the warning did not close as the user closes it: the session ended meanwhile.
    bool Warn();
    void PowerOff();
    // False, reported, when the computer lacks the mode or the system refused the privilege or the call.
    bool CarryOut(PowerMode mode) const;
    std::optional<PowerMode> CurrentMode() const { return PowerModeAt(m_cbMode.GetCurSel()); }
    void CallOff();

    // Counts the settings, so that a tick that waited for the warning can tell whether its setting still holds.
    unsigned m_nSetting = 0;
    // The wall time at the previous tick, or at Set before the first one.
    std::int64_t m_tPreviousTick = 0;
    bool m_bDisturbed = false;
};
