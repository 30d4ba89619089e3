// The typeface of the dialog templates (HG_FONT in dialogs.rc) for the controls that draw their own text, by its
// English name, which GDI and GDI+ both know in every display language.
#pragma once

inline constexpr wchar_t kTypeface[] = L"Meiryo";
