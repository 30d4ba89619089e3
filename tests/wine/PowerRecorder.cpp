#include "tests/wine/PowerRecorder.h"

#include <utility>

namespace {
constexpr PowerCapabilities kEveryCapability{true, false, true};
std::vector<PowerAction> g_actions;
PowerCapabilities g_capabilities = kEveryCapability;
bool g_failNext = false;
bool g_privilegeFails = false;
int g_privilegeRequests = 0;
}  // namespace

PowerCapabilities QueryPowerCapabilities()
{
    return g_capabilities;
}

bool CarryOutPowerAction(PowerAction action, HWND)
{
    g_actions.push_back(action);
    return !std::exchange(g_failNext, false);
}

bool EnableShutdownPrivilege()
{
    ++g_privilegeRequests;
    return !g_privilegeFails;
}

namespace power_recorder {
const std::vector<PowerAction>& Actions()
{
    return g_actions;
}
int PrivilegeRequests()
{
    return g_privilegeRequests;
}
void Clear()
{
    g_actions.clear();
    g_capabilities = kEveryCapability;
    g_failNext = false;
    g_privilegeFails = false;
    g_privilegeRequests = 0;
}
void SetCapabilities(const PowerCapabilities& capabilities)
{
    g_capabilities = capabilities;
}
void FailNextAction()
{
    g_failNext = true;
}
void FailPrivilege()
{
    g_privilegeFails = true;
}
}  // namespace power_recorder
