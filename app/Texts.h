#pragma once
// The texts the code shows, by the ids of the list in res/texts.h, in the language the program's windows show.
#include <map>
#include <string>
#include <string_view>

#include "res/texts.h"

// Japanese for a Windows whose display language is Japanese, English for any other.
enum class Language { Japanese, English };

// The language for a display language (a LANGID): Japanese when its primary language is Japanese (0x11), English
// for every other, 0, the neutral ones and custom locales among them.
Language LanguageOfDisplay(unsigned displayLanguage);

enum class TextId : unsigned {
#define HG_TEXT_ID(name, number) name = (number),
    HG_STRINGS(HG_TEXT_ID)
#undef HG_TEXT_ID
};

// Every id of the list, in its order.
inline constexpr TextId kAllTextIds[] = {
#define HG_TEXT_ID(name, number) TextId::name,
    HG_STRINGS(HG_TEXT_ID)
#undef HG_TEXT_ID
};

class TextTable {
public:
    void Set(TextId id, std::wstring text) { m_texts[id] = std::move(text); }
    // The text of an id; empty when the table has none.
    const std::wstring& operator[](TextId id) const;
    // The text with "%1" and "%2" replaced by the values given.
    std::wstring Format(TextId id, std::wstring_view first, std::wstring_view second = {}) const;

private:
    std::map<TextId, std::wstring> m_texts;
};
