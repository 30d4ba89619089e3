#pragma once
// Geometry, colours and hit test of the digit picker popup (NumDlg): the digit 0 on a wide top row and the
// digits 1 to 9 in a three-by-three grid beneath it.
#include <optional>

#include "controls/Digits.h"
#include "controls/Geometry.h"
#include "framework/Drawing.h"

inline constexpr Rgb kPickerBackground{240, 240, 240};
inline constexpr Rgb kPickerHighlight{208, 208, 208};
inline constexpr Rgb kPickerAllowedDigit{0, 0, 0};
inline constexpr Rgb kPickerDisallowedDigit{160, 160, 160};

// The picker's colours: those above, or in a high-contrast theme the system's alone.
struct PickerColours {
    Rgb background;
    Rgb highlight;
    Rgb digit;
    Rgb highlightedDigit;
    Rgb disallowedDigit;
};
inline constexpr PickerColours kPickerColours{kPickerBackground, kPickerHighlight, kPickerAllowedDigit,
                                              kPickerAllowedDigit, kPickerDisallowedDigit};
PickerColours PickerColoursFor(const std::optional<SystemColours>& highContrast);

// The arrow keys, which move the highlight over the allowed cells.
enum class Arrow { Left, Right, Up, Down };

class PickerLayout {
public:
    // Side of one cell in pixels at 96 dpi.
    static constexpr int kCell = 18;
    static constexpr double kFontPoints = kCell * 0.5;

    explicit PickerLayout(Scale scale) : m_scale(scale) {}

    int OuterWidth() const;
    int OuterHeight() const;

    // The cell of digit 0 to 9, in whole pixels as the hit test sees it.
    Rect CellRect(int digit) const;
    // The highlight of hover value 0 to 9: one scaled pixel inside its cell on every side.
    RectF HighlightRect(int digit) const;
    // The rectangle in which digit 0 to 9 is centred; two scaled pixels lower than its cell.
    RectF DigitTextRect(int digit) const;

    // The digit under a client point, or kNoDigit outside the cells and over digits above maxDigit.
    int HoverAt(Point client, int maxDigit) const;

    // The hover value after an arrow key. Left and Right step to the previous and the next digit, Up and Down to
    // the cell above and below (0 lies above 1, 2 and 3; 1 below 0); a step onto a grey digit or off the picker
    // leaves the highlight where it is. With nothing highlighted, any arrow highlights 0.
    static int HoverAfterArrow(int hover, Arrow arrow, int maxDigit);

    static Rgb DigitColour(int digit, int maxDigit, bool highlighted = false,
                           const PickerColours& colours = kPickerColours);

private:
    Scale m_scale;
};
