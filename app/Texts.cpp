#include "app/Texts.h"

Language LanguageOfDisplay(unsigned displayLanguage)
{
    constexpr unsigned kPrimaryLanguageMask = 0x3FF;
    constexpr unsigned kJapanese = 0x11;
    return (displayLanguage & kPrimaryLanguageMask) == kJapanese ? Language::Japanese : Language::English;
}

const std::wstring& TextTable::operator[](TextId id) const
{
    static const std::wstring kNone;
    const auto text = m_texts.find(id);
    return text != m_texts.end() ? text->second : kNone;
}

std::wstring TextTable::Format(TextId id, std::wstring_view first, std::wstring_view second) const
{
    const std::wstring& pattern = (*this)[id];
    std::wstring text;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const bool placeholder = pattern[i] == L'%' && i + 1 < pattern.size();
        if (placeholder && pattern[i + 1] == L'1') {
            text += first;
            ++i;
        } else if (placeholder && pattern[i + 1] == L'2') {
            text += second;
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}
