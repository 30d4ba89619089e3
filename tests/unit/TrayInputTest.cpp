#include "mainpanel/TrayInput.h"

#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

namespace {

using namespace tray_event;

constexpr std::uint32_t kDoubleClickTime = 500;
constexpr unsigned kMouseMove = 0x0200;
constexpr unsigned kLeftRelease = 0x0202;
constexpr unsigned kRightRelease = 0x0205;
// Stand for the window side: a menu opened by the command before opens until the step that closes it.
constexpr unsigned kMenuCloses = 0xFFFF0000;

const TrayCommand kNothing{};
const TrayCommand kMainMenu{TrayAction::MainMenu, false};
const TrayCommand kQuickMenu{TrayAction::QuickMenu, false};
const TrayCommand kMainMenuByKey{TrayAction::MainMenu, true};
const TrayCommand kQuickMenuByKey{TrayAction::QuickMenu, true};
const TrayCommand kMainPanel{TrayAction::ShowMainPanel, false};

struct Step {
    unsigned event;
    std::uint32_t at;
    TrayCommand expected = {};
    unsigned iconId = 0;
};

// Replays events as the shell sends them; a command that opens a menu keeps it open until kMenuCloses.
void Replay(const std::vector<Step>& steps, std::uint32_t start = 0)
{
    TrayInput input(0, kDoubleClickTime);
    for (size_t i = 0; i < steps.size(); ++i) {
        const Step& step = steps[i];
        if (step.event == kMenuCloses) {
            input.MenuClosed();
            continue;
        }
        const TrayCommand command = input.OnEvent(step.event, step.iconId, start + step.at);
        EXPECT_EQ(command, step.expected) << "step " << i << ": event 0x" << std::hex << step.event;
        if (command.action == TrayAction::MainMenu || command.action == TrayAction::QuickMenu) input.MenuOpened();
    }
}

TEST(TrayInput, MouseClicksOpenTheirMenusOnThePressAndIgnoreWhatFollowsThem)
{
    Replay({{kLeftPress, 0, kMainMenu}, {kLeftRelease, 80, kNothing}, {kSelect, 81, kNothing}, {kMenuCloses, 900}});
    // The context-menu event that ends every right click belongs to it, also once its menu has closed.
    Replay({{kRightPress, 0, kQuickMenu},
            {kRightRelease, 80, kNothing},
            {kMenuCloses, 100},
            {kContextMenu, 120, kNothing}});
    Replay({{kLeftPress, 0, kMainMenu}, {kLeftRelease, 50, kNothing}, {kLeftDoubleClick, 200, kMainPanel}});
    // A click on the icon's notification, also while a menu is open.
    Replay({{kLeftPress, 0, kMainMenu}, {kNotificationClick, 100, {TrayAction::ShowNotice}}});
}

TEST(TrayInput, KeysOpenTheMenusOnceAndOnlyWhileNoneIsOpen)
{
    // Enter or Space; Windows may report one press twice.
    Replay({{kKeySelect, 0, kMainMenuByKey},
            {kKeySelect, 5, kNothing},
            {kMenuCloses, 300},
            {kKeySelect, 310, kNothing},
            {kKeySelect, 900, kMainMenuByKey}});
    // Shift+F10 or the menu key: a context-menu event long after any right press.
    Replay({{kRightPress, 0, kQuickMenu},
            {kMenuCloses, 200},
            {kContextMenu, 2000, kQuickMenuByKey},
            {kMenuCloses, 2400},
            {kKeySelect, 3000, kMainMenuByKey}});
}

TEST(TrayInput, NoEventOpensASecondMenuButADoubleClickStillShowsThePanel)
{
    Replay({{kLeftPress, 0, kMainMenu},
            {kRightPress, 1000, kNothing},
            {kLeftPress, 2000, kNothing},
            {kKeySelect, 3000, kNothing},
            {kContextMenu, 4000, kNothing},
            {kLeftDoubleClick, 5000, kMainPanel},
            {kMenuCloses, 6000},
            {kRightPress, 7000, kQuickMenu}});
}

TEST(TrayInput, OtherIconsAndUnknownEventsAskForNothing)
{
    Replay({{kLeftPress, 0, kNothing, 1},
            {kKeySelect, 1000, kNothing, 7},
            {kLeftDoubleClick, 2000, kNothing, 0xFFFF},
            {kMouseMove, 3000, kNothing},
            {0, 4000, kNothing},
            {0x0406, 5000, kNothing},  // NIN_POPUPOPEN
            {0x0407, 5100, kNothing},  // NIN_POPUPCLOSE
            {0x0206, 5200, kNothing},  // WM_RBUTTONDBLCLK
            {0x0207, 5300, kNothing},  // WM_MBUTTONDOWN
            {0xFFFF, 6000, kNothing},
            {kLeftPress, 7000, kMainMenu}});
}

TEST(TrayInput, TheTimeMayWrapAroundBetweenTwoKeys)
{
    Replay({{kKeySelect, 0, kMainMenuByKey},
            {kMenuCloses, 100},
            {kKeySelect, 300, kNothing},
            {kMenuCloses, 400},
            {kKeySelect, 1000, kMainMenuByKey}},
           0xFFFFFF00);
}

}  // namespace
