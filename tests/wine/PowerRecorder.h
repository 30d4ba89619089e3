#pragma once
// Stands in for the system's power management in the tests: reports the capabilities a test gives (every one unless
// it says otherwise), records the actions that would have been carried out, and fails one, or the shutdown privilege,
// when the test asks.
#include <vector>

#include "system/PowerActions.h"

namespace power_recorder {
const std::vector<PowerAction>& Actions();
// How many times the shutdown privilege was asked for.
int PrivilegeRequests();
// Forgets the actions, and gives the computer every capability and the privilege again.
void Clear();
void SetCapabilities(const PowerCapabilities& capabilities);
// The next action is refused, as the system may refuse it.
void FailNextAction();
// The shutdown privilege cannot be enabled, as for a user who does not hold it, until Clear.
void FailPrivilege();
}  // namespace power_recorder
