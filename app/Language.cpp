#include "app/Language.h"

#include <string>

namespace {

const void* FindInOneLanguage(LANGID language, LPCWSTR type, UINT id)
{
    const HMODULE program = ::GetModuleHandleW(nullptr);
    const HRSRC found = ::FindResourceExW(program, type, MAKEINTRESOURCEW(id), language);
    const HGLOBAL loaded = found ? ::LoadResource(program, found) : nullptr;
    return loaded ? ::LockResource(loaded) : nullptr;
}

// The string table is stored in blocks of 16 strings, block n holding the ids 16 (n - 1) to 16 n - 1; each
// string is its length followed by that many characters.
std::wstring LoadString(LANGID language, UINT id)
{
    const auto* text = static_cast<const WCHAR*>(FindInOneLanguage(language, RT_STRING, id / 16 + 1));
    if (!text) return {};
    for (UINT skipped = 0; skipped < id % 16; ++skipped) text += 1 + *text;
    return std::wstring(text + 1, *text);
}

}  // namespace

LANGID LangIdOf(Language language)
{
    return language == Language::Japanese ? kJapanese : MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
}

const void* FindResourceIn(LANGID language, LPCWSTR type, UINT id)
{
    const void* data = FindInOneLanguage(language, type, id);
    return data ? data : FindInOneLanguage(kJapanese, type, id);
}

TextTable LoadTexts(LANGID language)
{
    TextTable texts;
    for (const TextId id : kAllTextIds) {
        std::wstring text = LoadString(language, static_cast<UINT>(id));
        texts.Set(id, text.empty() ? LoadString(kJapanese, static_cast<UINT>(id)) : std::move(text));
    }
    return texts;
}
