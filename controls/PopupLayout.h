#pragma once
// Size of the one-line error popup (ErrDlg), which is sized to its text.
#include <cstddef>

#include "controls/Geometry.h"

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
