#pragma once
// The tests' theme: normal, unless a test switches a high-contrast theme on with colours of its own.
#include <optional>

#include "system/HighContrast.h"

namespace fake_high_contrast {
void Set(const std::optional<SystemColours>& colours);
}  // namespace fake_high_contrast
