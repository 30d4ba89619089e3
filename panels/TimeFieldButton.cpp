#include "panels/TimeFieldButton.h"

#include "app/HourgladeApp.h"

// clang-format off
BEGIN_MESSAGE_MAP(TimeFieldButton, CButton)
    ON_MESSAGE(WM_SETTEXT, OnSetText)
END_MESSAGE_MAP()
// clang-format on

void TimeFieldButton::NameAs(TextId name)
{
    m_name = name;
}

void TimeFieldButton::NameAsDigit(TextId place)
{
    m_place = place;
}

LRESULT TimeFieldButton::OnSetText(WPARAM, LPARAM)
{
    const LRESULT result = Default();
    if (m_place) NotifyAccessibleEvent(m_hWnd, EVENT_OBJECT_NAMECHANGE);
    return result;
}

std::optional<std::wstring> TimeFieldButton::AccessibleName(long child) const
{
    if (child != CHILDID_SELF) return std::nullopt;
    if (m_place) return theApp.Texts().Format(TextId::DigitButtonName, theApp.Text(*m_place), GetWindowText());
    if (m_name) return theApp.Text(*m_name);
    return std::nullopt;
}
