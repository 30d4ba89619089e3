#include "panels/PowerModes.h"

#include <gtest/gtest.h>

namespace {

TEST(PowerModeAt, TheSelectorsItemsAreTheThreeModesInOrderEachWithItsNameAndWarning)
{
    const struct {
        int index;
        PowerMode mode;
        TextId name, warning;
    } items[] = {
        {0, PowerMode::Shutdown, TextId::ModeShutdown, TextId::WarningShutdown},
        {1, PowerMode::Sleep, TextId::ModeSleep, TextId::WarningSleep},
        {2, PowerMode::Hibernate, TextId::ModeHibernate, TextId::WarningHibernate},
    };
    for (const auto& item : items) {
        EXPECT_EQ(PowerModeAt(item.index), item.mode) << item.index;
        EXPECT_EQ(ModeNameOf(item.mode), item.name) << item.index;
        EXPECT_EQ(WarningOf(item.mode), item.warning) << item.index;
    }
    for (const int none : {-1, 3}) EXPECT_FALSE(PowerModeAt(none)) << none;
}

// Each kind of computer against each mode: the call that does what the mode says, with the shutdown privilege for all
// but turning the displays off, or the refusal of a mode the computer lacks.
TEST(PowerOffOf, EachModeOnEachKindOfComputerIsItsCallWithThePrivilegeItNeedsOrARefusal)
{
    using PowerOff = std::variant<PowerStep, PowerRefusal>;
    const PowerOff shutdown = PowerStep{PowerAction::Shutdown, true}, sleep = PowerStep{PowerAction::Sleep, true},
                   hibernate = PowerStep{PowerAction::Hibernate, true},
                   displaysOff = PowerStep{PowerAction::DisplaysOff, false},
                   noSleep = PowerRefusal{TextId::RefusalNoSleep},
                   noHibernation = PowerRefusal{TextId::RefusalNoHibernation};
    const struct {
        const char* computer;
        PowerCapabilities capabilities;
        PowerOff shutdown, sleep, hibernate;
    } computers[] = {
        {"classic sleep", {true, false, true}, shutdown, sleep, hibernate},
        {"classic sleep besides Modern Standby", {true, true, true}, shutdown, sleep, hibernate},
        {"Modern Standby only", {false, true, true}, shutdown, displaysOff, hibernate},
        {"Modern Standby without hibernation", {false, true, false}, shutdown, displaysOff, noHibernation},
        {"no hibernation file", {true, false, false}, shutdown, sleep, noHibernation},
        {"hibernation only", {false, false, true}, shutdown, noSleep, hibernate},
        {"shutdown only", {false, false, false}, shutdown, noSleep, noHibernation},
    };
    for (const auto& c : computers) {
        EXPECT_EQ(PowerOffOf(PowerMode::Shutdown, c.capabilities), c.shutdown) << c.computer;
        EXPECT_EQ(PowerOffOf(PowerMode::Sleep, c.capabilities), c.sleep) << c.computer;
        EXPECT_EQ(PowerOffOf(PowerMode::Hibernate, c.capabilities), c.hibernate) << c.computer;
    }
}

}  // namespace
