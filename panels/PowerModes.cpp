#include "panels/PowerModes.h"

std::optional<PowerAction> PowerActionFor(int mode, const PowerCapabilities& capabilities)
{
    switch (mode) {
    case static_cast<int>(PowerAction::Shutdown):
        return PowerAction::Shutdown;
    case static_cast<int>(PowerAction::Sleep):
        if (capabilities.classicSleep) {
            return PowerAction::Sleep;
        }
        if (capabilities.modernStandby) {
            return PowerAction::DisplaysOff;
        }
        return std::nullopt;
    case static_cast<int>(PowerAction::Hibernate):
        if (capabilities.hibernate) {
            return PowerAction::Hibernate;
        }
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

std::optional<TextId> RefusalOfMode(int mode, const PowerCapabilities& capabilities)
{
    if (PowerActionFor(mode, capabilities)) {
        return std::nullopt;
    }
    if (mode == static_cast<int>(PowerAction::Sleep)) {
        return TextId::RefusalNoSleep;
    }
    if (mode == static_cast<int>(PowerAction::Hibernate)) {
        return TextId::RefusalNoHibernation;
    }
    return std::nullopt;
}

bool NeedsShutdownPrivilege(PowerAction action)
{
    return action != PowerAction::DisplaysOff;
}
