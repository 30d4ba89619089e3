#include "panels/PowerModes.h"

namespace {
// Shutting down, sleep and hibernation need the shutdown privilege; any program may turn the displays off.
PowerStep StepOf(PowerAction action)
{
    return {action, action != PowerAction::DisplaysOff};
}
}  // namespace

std::optional<PowerMode> PowerModeAt(int index)
{
    for (const PowerMode mode : kPowerModes) {
        if (static_cast<int>(mode) == index) {
            return mode;
        }
    }
    return std::nullopt;
}

TextId ModeNameOf(PowerMode mode)
{
    switch (mode) {
    case PowerMode::Shutdown:
        return TextId::ModeShutdown;
    case PowerMode::Sleep:
        return TextId::ModeSleep;
    case PowerMode::Hibernate:
        break;
    }
    return TextId::ModeHibernate;
}

TextId WarningOf(PowerMode mode)
{
    switch (mode) {
    case PowerMode::Shutdown:
        return TextId::WarningShutdown;
    case PowerMode::Sleep:
        return TextId::WarningSleep;
    case PowerMode::Hibernate:
        break;
    }
    return TextId::WarningHibernate;
}

std::variant<PowerStep, PowerRefusal> PowerOffOf(PowerMode mode, const PowerCapabilities& capabilities)
{
    switch (mode) {
    case PowerMode::Shutdown:
        return StepOf(PowerAction::Shutdown);
    case PowerMode::Sleep:
        if (capabilities.classicSleep) {
            return StepOf(PowerAction::Sleep);
        }
        if (capabilities.modernStandby) {
            return StepOf(PowerAction::DisplaysOff);
        }
        return PowerRefusal{TextId::RefusalNoSleep};
    case PowerMode::Hibernate:
        break;
    }
    if (capabilities.hibernate) {
        return StepOf(PowerAction::Hibernate);
    }
    return PowerRefusal{TextId::RefusalNoHibernation};
}
