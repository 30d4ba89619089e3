#pragma once
// What the four feature panels share: a modeless tool window, created hidden at start-up and owned by the main
// panel, that Esc or its close box only hides, that ignores Enter, and that lives until the program ends. Each
// publishes the state of its clock through the application object, and has the Set toggle and four one-digit
// fields below its time (the time left, or the counter's count).
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "app/HourgladeApp.h"
#include "framework/Dialog.h"

class PanelDlg : public CDialog {
public:
    PanelDlg(UINT templateId, Clock clock) : CDialog(templateId), m_clock(clock) {}

    // Stops the clock and returns the panel to idle, keeping the set time. The main panel is left to the caller:
    // the exit confirmation resets all four clocks before it follows once.
    virtual void Reset() = 0;
    // The icon's tip line of this clock: its name and its time; none while the clock is idle.
    virtual std::optional<std::wstring> TipLine() const = 0;

    CButton m_btnSet;

protected:
    // Takes the panel off the taskbar.
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void PostNcDestroy() override { delete this; }
    // Enter does nothing; Esc and the close box hide the panel, and the clock goes on.
    void OnOK() override {}
    void OnCancel() override { ShowWindow(SW_HIDE); }

    std::int32_t State() const { return theApp.ClockState(m_clock); }
    void SetState(std::int32_t state, StatusRefresh refresh = StatusRefresh::Now);
    // Reset, with the main panel following at once.
    void ReturnToIdle();
    // After every change of the state.
    virtual void OnStateChanged() {}

    // Enables or disables a control of the panel; a control that has the focus hands it to Set before it is
    // disabled, so that the focus never rests on a control that takes no keys.
    void EnableControl(const CWnd& control, bool enable);
    // Shows the error popup with a refusal directly below a control, and returns when it has closed.
    void Refuse(TextId text, const CWnd& control) const;
    // Shows a notice, which the icon shows too, and returns when it has closed: true when the user closed it, false
    // when the program's loop ended it (the session ended meanwhile).
    bool Notify(const std::wstring& text) const;

    static std::array<std::wstring, 4> ZeroDigits() { return {L"0", L"0", L"0", L"0"}; }
    void ShowDigits(const std::array<std::wstring, 4>& digits);
    void ClearDigits() { ShowDigits(ZeroDigits()); }

private:
    Clock m_clock;
    std::array<CStatic, 4> m_stDigits;
};
