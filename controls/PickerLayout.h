#pragma once
// Geometry, colours and hit test of the digit picker popup (NumDlg): the digit 0 on a wide top row and the
// digits 1 to 9 in a three-by-three grid beneath it.
#include <cstdint>

#include "controls/Geometry.h"

// Opaque ARGB colours, as the drawing library takes them.
inline constexpr std::uint32_t kPickerBackground = 0xFFF0F0F0;
inline constexpr std::uint32_t kPickerHighlight = 0xFFD0D0D0;
inline constexpr std::uint32_t kPickerAllowedDigit = 0xFF000000;
inline constexpr std::uint32_t kPickerDisallowedDigit = 0xFFA0A0A0;

class PickerLayout {
public:
    // Side of one cell in pixels at 96 dpi.
    static constexpr int kCell = 18;
    static constexpr double kFontPoints = kCell * 0.5;
    // The hover value when the pointer is over no digit that may be chosen.
    static constexpr int kNoDigit = -1;

    explicit PickerLayout(Scale scale) : m_scale(scale) {}

    int OuterWidth() const;
    int OuterHeight() const;

    // The highlight of hover value 0 to 9: one scaled pixel inside its cell on every side.
    RectF HighlightRect(int digit) const;
    // The rectangle in which digit 0 to 9 is centred; two scaled pixels lower than its cell.
    RectF DigitTextRect(int digit) const;

    // The digit under a client point, or kNoDigit outside the cells and over digits above maxDigit.
    int HoverAt(Point client, int maxDigit) const;

    static bool IsAllowed(int digit, int maxDigit);
    static std::uint32_t DigitColour(int digit, int maxDigit);

private:
    Scale m_scale;
};
