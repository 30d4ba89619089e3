#pragma once
// What the program's own drawing shares, without the window system, so that the platform-free layouts name their
// colours with it too: the colour type and the typeface.

struct Rgb {
    unsigned char r, g, b;
    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

// The typeface of the dialog templates, by its English name, which GDI and GDI+ both know in every display
// language.
inline constexpr wchar_t kTypeface[] = L"Meiryo";
