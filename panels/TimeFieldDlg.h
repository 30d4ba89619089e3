#pragma once
// The time field that the alarm, countdown timer and power-off panels share: four digit buttons chosen with the
// digit picker or typed, and the history drop-down, which is open to use only while the clock is idle. The panels
// differ only in the parameters given to the constructor.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "app/History.h"
#include "panels/PanelDlg.h"
#include "panels/TimeEntry.h"
#include "panels/TimeFieldButton.h"

class TimeFieldDlg : public PanelDlg {
public:
    // Used entries, most recent first.
    HistoryList m_history;

    // Puts an entry of the history into the time field of an idle panel, when it is shown from the menu.
    void PresetFromHistory();

    // Keys at a digit button, before the dialog manager: a digit writes itself into the button, Left, Right
    // and Backspace move between the buttons.
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    struct Params {
        std::array<int, 4> highestDigits;  // what the digit picker offers for each position
        std::array<TextId, 4> places;      // what a screen reader calls each position
        const wchar_t* historyValue;       // stored value of the history
        PresetRule presetRule;             // which entry PresetFromHistory takes
    };
    TimeFieldDlg(UINT templateId, Clock clock, const Params& params) : PanelDlg(templateId, clock), m_params(params) {}

    void DoDataExchange(CDataExchange* pDX) override;
    // The history button is disabled while the clock runs or is paused.
    void OnStateChanged() override;

    // The four digit buttons' texts, in order.
    std::array<std::wstring, 4> DigitTexts() const;
    void SetDigitTexts(const std::array<std::wstring, 4>& texts);
    // Moves an entry to the head of the history and stores the history.
    void AddToHistory(const std::wstring& entry);
    void StoreHistory() const;

    TimeFieldButton m_btnHistory;
    TimeFieldButton m_btnDigit1;
    TimeFieldButton m_btnDigit2;
    TimeFieldButton m_btnDigit3;
    TimeFieldButton m_btnDigit4;

    void OnDigit1() { ChooseDigit(0); }
    void OnDigit2() { ChooseDigit(1); }
    void OnDigit3() { ChooseDigit(2); }
    void OnDigit4() { ChooseDigit(3); }
    void OnHistory();

    DECLARE_MESSAGE_MAP()

private:
    bool IsRunning() const { return State() != state::kIdle; }
    // Opens the digit picker below one of the four digit buttons, or refuses while the clock runs.
    void ChooseDigit(size_t position);
    // Writes a typed digit into a digit button and moves on, or refuses it.
    void TypeDigit(size_t position, int digit);
    // True when the key was one of the time field's own.
    bool OnDigitButtonKey(size_t position, UINT key);
    // Shows the error popup below the button while the clock runs; true when it did.
    bool RefusedWhileRunning(const CButton& button);
    void MoveFocus(FieldMove move, size_t from);
    std::optional<size_t> DigitPositionOf(HWND control) const;

    std::array<TimeFieldButton*, 4> DigitButtons() { return {&m_btnDigit1, &m_btnDigit2, &m_btnDigit3, &m_btnDigit4}; }
    std::array<const TimeFieldButton*, 4> DigitButtons() const
    {
        return {&m_btnDigit1, &m_btnDigit2, &m_btnDigit3, &m_btnDigit4};
    }

    Params m_params;
};
