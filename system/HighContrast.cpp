#include <windows.h>

#include "system/HighContrast.h"

namespace {
Rgb SystemColour(int index)
{
    const COLORREF colour = ::GetSysColor(index);
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}
}  // namespace

std::optional<SystemColours> HighContrastColours()
{
    HIGHCONTRASTW highContrast{};
    highContrast.cbSize = sizeof highContrast;
    if (!::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof highContrast, &highContrast, 0) ||
        !(highContrast.dwFlags & HCF_HIGHCONTRASTON))
        return std::nullopt;
    return SystemColours{SystemColour(COLOR_WINDOW), SystemColour(COLOR_WINDOWTEXT), SystemColour(COLOR_HIGHLIGHT),
                         SystemColour(COLOR_HIGHLIGHTTEXT), SystemColour(COLOR_GRAYTEXT)};
}
