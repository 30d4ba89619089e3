#pragma once
// Geometry and colours of the selector control (TComboBox): a white field with the current choice's text and a
// downward chevron at its right end.
#include <array>
#include <optional>

#include "controls/Geometry.h"
#include "framework/Drawing.h"

inline constexpr Rgb kSelectorBackground{255, 255, 255};
inline constexpr Rgb kSelectorChevron{64, 64, 64};
inline constexpr Rgb kSelectorText{0, 0, 0};

// The field's colours: those above, or in a high-contrast theme the system's alone.
struct SelectorColours {
    Rgb background;
    Rgb chevron;
    Rgb text;
};
SelectorColours SelectorColoursFor(const std::optional<SystemColours>& highContrast);

// The keys that change the choice without opening the list.
enum class SelectorKey { Previous, Next, First, Last };

class SelectorLayout {
public:
    explicit SelectorLayout(Scale scale) : m_scale(scale) {}

    // The chevron as a polyline: down from the left end to the tip, then up to the right end, which is left out.
    std::array<Point, 3> Chevron(const Rect& client) const;
    // Top-left corner of the choice's text.
    Point TextOrigin() const;

    // The choice after a key, among count rows: it stops at the first and the last.
    static int ChoiceAfter(int choice, SelectorKey key, int count);

private:
    Scale m_scale;
};
