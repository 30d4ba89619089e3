#pragma once
// The list of texts in res/texts.h as the tests read it, so that they compare with the list instead of spelling
// the texts again.
#include "app/Texts.h"

inline TextTable ListedTexts(Language language)
{
    TextTable texts;
#define HG_LISTED_TEXT(name, number) \
    texts.Set(TextId::name, language == Language::Japanese ? L"" HG_JA_##name : L"" HG_EN_##name);
    HG_STRINGS(HG_LISTED_TEXT)
#undef HG_LISTED_TEXT
    return texts;
}

inline const TextTable& Listed(Language language)
{
    static const TextTable japanese = ListedTexts(Language::Japanese);
    static const TextTable english = ListedTexts(Language::English);
    return language == Language::Japanese ? japanese : english;
}

inline const std::wstring& Japanese(TextId id)
{
    return Listed(Language::Japanese)[id];
}

inline const std::wstring& English(TextId id)
{
    return Listed(Language::English)[id];
}
