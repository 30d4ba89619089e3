#include "panels/TimeFieldDlg.h"

#include "app/Clock.h"
#include "app/HourgladeApp.h"
#include "app/Settings.h"
#include "app/Texts.h"
#include "controls/ErrDlg.h"
#include "controls/NumDlg.h"
#include "controls/TDropDownDlg.h"
#include "panels/ClockTime.h"
#include "res/resource.h"

namespace {
std::array<std::wstring, 4> AllZeroDigits()
{
    return {L"0", L"0", L"0", L"0"};
}
}  // namespace

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
    DDX_Control(pDX, IDC_SET, m_btnSet);
    DDX_Control(pDX, IDC_DIGIT1, m_btnDigit1);
    DDX_Control(pDX, IDC_DIGIT2, m_btnDigit2);
    DDX_Control(pDX, IDC_DIGIT3, m_btnDigit3);
    DDX_Control(pDX, IDC_DIGIT4, m_btnDigit4);
    DDX_Control(pDX, IDC_REMAIN1, m_stRemain1);
    DDX_Control(pDX, IDC_REMAIN2, m_stRemain2);
    DDX_Control(pDX, IDC_REMAIN3, m_stRemain3);
    DDX_Control(pDX, IDC_REMAIN4, m_stRemain4);
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

void TimeFieldDlg::ShowRemaining(const std::array<std::wstring, 4>& digits)
{
    m_stRemain1.SetWindowText(digits[0]);
    m_stRemain2.SetWindowText(digits[1]);
    m_stRemain3.SetWindowText(digits[2]);
    m_stRemain4.SetWindowText(digits[3]);
}

void TimeFieldDlg::ClearRemaining()
{
    ShowRemaining(AllZeroDigits());
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

void TimeFieldDlg::ChooseDigit(size_t position)
{
    const auto buttons = DigitButtons();
    CButton& button = *buttons[position];
    const RECT place = button.GetWindowRect();
    if (IsRunning()) {
        ErrDlg refusal(kRefusalWhileRunning, place.left, place.bottom);
        refusal.DoModal();
        return;
    }
    NumDlg picker(m_params.highestDigits[position], place.left, place.bottom);
    const int digit = static_cast<int>(picker.DoModal());
    if (digit >= 0) button.SetWindowText(std::to_wstring(digit));
}

// No state test here: the history button is disabled while the clock runs.
void TimeFieldDlg::OnHistory()
{
    const RECT place = m_btnHistory.GetWindowRect();
    const HistoryList sorted = SortHistory(m_history);
    TDropDownDlg dropDown;
    dropDown.m_items.assign(sorted.begin(), sorted.end());
    dropDown.m_nLeft = place.left;
    dropDown.m_nTop = place.bottom;
    dropDown.m_nWidth = DropDownLayout({theApp.m_dScaleX, theApp.m_dScaleY}).HistoryWidth();
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
    const auto entry = PresetEntry(m_history, m_params.presetRule, ClockMinuteText(CurrentTime()));
    SetDigitTexts(entry ? DigitsOfEntry(*entry) : AllZeroDigits());
}
