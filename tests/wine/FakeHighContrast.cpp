#include "tests/wine/FakeHighContrast.h"

namespace {
std::optional<SystemColours> g_colours;
}  // namespace

std::optional<SystemColours> HighContrastColours()
{
    return g_colours;
}

namespace fake_high_contrast {
void Set(const std::optional<SystemColours>& colours)
{
    g_colours = colours;
}
}  // namespace fake_high_contrast
