#pragma once
// Stands in for the power actions in the tests and records what would have been done.
#include <vector>

#include "panels/PowerActions.h"

namespace power_recorder {
const std::vector<PowerAction>& Actions();
void Clear();
}  // namespace power_recorder
