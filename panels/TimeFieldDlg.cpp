#include "panels/TimeFieldDlg.h"

#include "app/HourgladeApp.h"
#include "app/Settings.h"
#include "controls/Digits.h"
#include "controls/NumDlg.h"
#include "controls/TDropDownDlg.h"
#include "panels/TimeOfDay.h"
#include "res/resource.h"
#include "system/Now.h"

// clang-format off
BEGIN_MESSAGE_MAP(TimeFieldDlg, PanelDlg)
    ON_COMMAND(IDC_DIGIT1, OnDigit1)
    ON_COMMAND(IDC_DIGIT2, OnDigit2)
    ON_COMMAND(IDC_DIGIT3, OnDigit3)
    ON_COMMAND(IDC_DIGIT4, OnDigit4)
    ON_COMMAND(IDC_HISTORY, OnHistory)
END_MESSAGE_MAP()
// clang-format on

void TimeFieldDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_HISTORY, m_btnHistory);
    PanelDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DIGIT1, m_btnDigit1);
    DDX_Control(pDX, IDC_DIGIT2, m_btnDigit2);
    DDX_Control(pDX, IDC_DIGIT3, m_btnDigit3);
    DDX_Control(pDX, IDC_DIGIT4, m_btnDigit4);
    m_btnHistory.NameAs(TextId::RecentTimes);
    const auto buttons = DigitButtons();
    for (size_t i = 0; i < buttons.size(); ++i) buttons[i]->NameAsDigit(m_params.places[i]);
}

void TimeFieldDlg::OnStateChanged()
{
    EnableControl(m_btnHistory, State() == state::kIdle);
}

std::array<std::wstring, 4> TimeFieldDlg::DigitTexts() const
{
    std::array<std::wstring, 4> texts;
    const auto buttons = DigitButtons();
    for (size_t i = 0; i < texts.size(); ++i) texts[i] = buttons[i]->GetWindowText();
    return texts;
}

void TimeFieldDlg::SetDigitTexts(const std::array<std::wstring, 4>& texts)
{
    const auto buttons = DigitButtons();
    for (size_t i = 0; i < texts.size(); ++i) buttons[i]->SetWindowText(texts[i]);
}

void TimeFieldDlg::AddToHistory(const std::wstring& entry)
{
    AddHistoryEntry(m_history, entry);
    StoreHistory();
}

void TimeFieldDlg::StoreHistory() const
{
    theApp.WriteProfileString(kSettingsSection, m_params.historyValue, JoinHistory(m_history));
}

bool TimeFieldDlg::RefusedWhileRunning(const CButton& button)
{
    if (!IsRunning()) return false;
    Refuse(TextId::RefusalWhileRunning, button);
    return true;
}

void TimeFieldDlg::ChooseDigit(size_t position)
{
    const auto buttons = DigitButtons();
    CButton& button = *buttons[position];
    if (RefusedWhileRunning(button)) return;
    const RECT place = button.GetWindowRect();
    NumDlg picker(m_params.highestDigits[position], place.left, place.bottom, theApp.ScreenScale(),
                  theApp.Text(TextId::PickerName));
    const int digit = static_cast<int>(picker.DoModal());
    if (digit >= 0) button.SetWindowText(std::to_wstring(digit));
}

BOOL TimeFieldDlg::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_KEYDOWN) {
        const std::optional<size_t> position = DigitPositionOf(msg->hwnd);
        if (position && OnDigitButtonKey(*position, static_cast<UINT>(msg->wParam))) return TRUE;
    }
    return PanelDlg::PreTranslateMessage(msg);
}

std::optional<size_t> TimeFieldDlg::DigitPositionOf(HWND control) const
{
    const auto buttons = DigitButtons();
    for (size_t i = 0; i < buttons.size(); ++i)
        if (buttons[i]->m_hWnd == control) return i;
    return std::nullopt;
}

bool TimeFieldDlg::OnDigitButtonKey(size_t position, UINT key)
{
    if (const int digit = DigitOfKey(key); digit != kNoDigit) {
        TypeDigit(position, digit);
        return true;
    }
    switch (key) {
    case VK_LEFT:
        MoveFocus(FieldMove::Left, position);
        return true;
    case VK_RIGHT:
        MoveFocus(FieldMove::Right, position);
        return true;
    case VK_BACK:
        MoveFocus(FieldMove::Back, position);
        return true;
    default:
        return false;
    }
}

// The digits the picker greys are refused with the default beep; while the clock runs, typing is refused as a
// click is.
void TimeFieldDlg::TypeDigit(size_t position, int digit)
{
    const auto buttons = DigitButtons();
    CButton& button = *buttons[position];
    if (RefusedWhileRunning(button)) return;
    if (!IsAllowedDigit(digit, m_params.highestDigits[position])) {
        ::MessageBeep(MB_OK);
        return;
    }
    button.SetWindowText(std::to_wstring(digit));
    MoveFocus(FieldMove::Typed, position);
}

void TimeFieldDlg::MoveFocus(FieldMove move, size_t from)
{
    const size_t to = FocusAfter(move, from);
    const auto buttons = DigitButtons();
    const CButton& control = to == kSetPosition ? m_btnSet : *buttons[to];
    // As the dialog manager moves the focus, so that the default push button follows.
    SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control.m_hWnd), TRUE);
}

// No state test here: the history button is disabled while the clock runs.
void TimeFieldDlg::OnHistory()
{
    const RECT place = m_btnHistory.GetWindowRect();
    const HistoryList sorted = SortHistory(m_history);
    TDropDownDlg dropDown(theApp.ScreenScale());
    dropDown.m_strName = theApp.Text(TextId::RecentTimes);
    dropDown.m_items.assign(sorted.begin(), sorted.end());
    dropDown.m_nLeft = place.left;
    dropDown.m_nTop = place.bottom;
    dropDown.m_nWidth = DropDownLayout(theApp.ScreenScale()).HistoryWidth();
    dropDown.m_bDeletable = true;
    const int chosen = static_cast<int>(dropDown.DoModal());

    // The user may delete entries and choose one in the same visit.
    if (chosen >= 0) SetDigitTexts(DigitsOfEntry(dropDown.m_items[static_cast<size_t>(chosen)]));
    if (!dropDown.m_removed.empty()) {
        RemoveHistoryEntries(m_history, dropDown.m_removed);
        StoreHistory();
    }
}

void TimeFieldDlg::PresetFromHistory()
{
    if (IsRunning()) return;
    const auto entry = PresetEntry(m_history, m_params.presetRule, MinuteOfDayText(WallTime()));
    SetDigitTexts(entry ? DigitsOfEntry(*entry) : ZeroDigits());
}
