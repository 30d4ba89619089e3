#pragma once
// A button of the time field whose name for a screen reader says more than its text: the "▼" button is named for the
// recent times it offers, a digit button by its place in the time and the digit it shows, a change of which the
// screen reader hears of.
#include <optional>
#include <string>

#include "app/Texts.h"
#include "framework/Accessible.h"
#include "framework/Dialog.h"

class TimeFieldButton : public CButton, private AccessibleInfo {
public:
    void NameAs(TextId name);
    // A digit button, by its place in the time.
    void NameAsDigit(TextId place);

protected:
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    const AccessibleInfo* Accessible() const override { return this; }

    DECLARE_MESSAGE_MAP()

private:
    // The button's own object answers all but the name.
    std::optional<std::wstring> AccessibleName(long child) const override;

    std::optional<TextId> m_name;
    std::optional<TextId> m_place;
};
