#pragma once
// The program's resources in the language its windows show, looked up by that language explicitly: the system's
// own loaders (LoadStringW, CreateDialogParamW, LoadMenuW) pick by the thread's language, and Wine's by the locale.
#include <windows.h>

#include "app/Texts.h"

// Japanese, the language every resource has.
inline constexpr LANGID kJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);

// The resources' language for the program's language.
LANGID LangIdOf(Language language);

// The data of one of the program's resources in a language, or else in Japanese; null when neither has it.
const void* FindResourceIn(LANGID language, LPCWSTR type, UINT id);

// The texts of the code from the string table in a language; a text missing there comes in Japanese.
TextTable LoadTexts(LANGID language);
