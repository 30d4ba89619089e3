#include "panels/TimeFieldDlg.h"

#include "app/HourgladeApp.h"
#include "app/Settings.h"
#include "res/resource.h"

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
    ShowRemaining({L"0", L"0", L"0", L"0"});
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
