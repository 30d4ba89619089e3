#pragma once
// The list of texts in res/texts.h as the tests read it, so that they compare with the list instead of spelling
// the texts again.
#include "app/Texts.h"

inline TextTable JapaneseTexts()
{
    TextTable texts;
#define HG_JAPANESE_TEXT(name, number) texts.Set(TextId::name, L"" HG_JA_##name);
    HG_STRINGS(HG_JAPANESE_TEXT)
#undef HG_JAPANESE_TEXT
    return texts;
}

inline const std::wstring& Japanese(TextId id)
{
    static const TextTable texts = JapaneseTexts();
    return texts[id];
}
