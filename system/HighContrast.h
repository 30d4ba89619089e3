#pragma once
// Whether a high-contrast theme is on, and its colours. Test builds link a theme that the test chooses.
#include <optional>

#include "framework/Drawing.h"

// The system's colours while a high-contrast theme is on, asked at each paint; none in a normal theme.
std::optional<SystemColours> HighContrastColours();
