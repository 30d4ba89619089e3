#pragma once
// Size of the one-line error popup (ErrDlg), which is sized to its text.
#include <cstddef>

#include "controls/Geometry.h"

// How the error popup's width follows its text: by the number of its characters, as the Japanese texts are written
// for, or around the text as the popup's font measures it, which English needs, whose letters differ much in width.
enum class ErrorWidthRule { PerCharacter, Measured };

class PopupLayout {
public:
    explicit PopupLayout(Scale scale) : m_scale(scale) {}

    // Japanese: textLength counts UTF-16 code units, as the window system's strings do.
    int ErrorWidth(std::size_t textLength) const;
    // English, whose letters differ much in width: around the text as the popup's font measures it, in pixels.
    int ErrorWidthAround(int textWidth) const;
    int ErrorHeight() const;

private:
    Scale m_scale;
};
