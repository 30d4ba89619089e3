#include "tests/wine/PowerRecorder.h"

namespace {
std::vector<PowerAction> g_actions;
}

void CarryOutPowerAction(PowerAction action)
{
    g_actions.push_back(action);
}

namespace power_recorder {
const std::vector<PowerAction>& Actions()
{
    return g_actions;
}
void Clear()
{
    g_actions.clear();
}
}  // namespace power_recorder
