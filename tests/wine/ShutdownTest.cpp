// The timed power-off: its modes, the warning three minutes before, and the action at the target minute.
#include <functional>
#include <string>
#include <vector>

#include "app/HourgladeApp.h"
#include "app/Settings.h"
#include "mainpanel/MainDlg.h"
#include "panels/ShutdownDlg.h"
#include "res/resource.h"
#include "tests/TextList.h"
#include "tests/wine/FakeTime.h"
#include "tests/wine/PowerRecorder.h"
#include "tests/wine/TimeOfDayHarness.h"

namespace {

using Actions = std::vector<PowerAction>;

ShutdownDlg& Object()
{
    return *theApp.m_pShutdownDlg;
}

HWND PowerOffPanel()
{
    return Object().m_hWnd;
}

void SetPowerOff(const DigitTexts& digits)
{
    SetAndStart(Panel::Shutdown, digits);
}

void TickPowerOff()
{
    Tick(Panel::Shutdown);
}

// The choice the selector holds when its list is closed.
void ChooseMode(PowerMode mode)
{
    Object().m_cbMode.m_dropDown.m_nCurSel = static_cast<int>(mode);
}

// Closes the warning once it has shown the text, after running what the user does meanwhile.
PopupWatcher::Action Warning(const std::wstring& text, std::function<void()> meanwhile = nullptr)
{
    return [text, meanwhile](HWND warning) {
        EXPECT_EQ(ControlText(warning, IDC_NOTICE_TEXT), text);
        if (meanwhile) meanwhile();
        EndPopup(warning, 0);
    };
}

class PowerOff : public StartedAppTest {
protected:
    void SetUp() override
    {
        StartedAppTest::SetUp();
        power_recorder::Clear();
    }
};

TEST_F(PowerOff, WarnsOnceFromThreeMinutesBeforeAndCarriesOutTheChosenModeWithTheMainPanelIdle)
{
    const struct {
        PowerMode mode;
        const std::wstring& warning;
        PowerAction action;
    } modes[] = {{PowerMode::Shutdown, Japanese(TextId::WarningShutdown), PowerAction::Shutdown},
                 {PowerMode::Sleep, Japanese(TextId::WarningSleep), PowerAction::Sleep},
                 {PowerMode::Hibernate, Japanese(TextId::WarningHibernate), PowerAction::Hibernate}};
    for (const auto& chosen : modes) {
        const int seen = Watcher().SeenCount();
        power_recorder::Clear();
        ChooseMode(chosen.mode);
        fake_time::Set(At(10, 0, 30));
        SetPowerOff({L"1", L"0", L"0", L"4"});
        fake_time::Set(At(10, 0, 59));
        TickPowerOff();
        EXPECT_EQ(Watcher().SeenCount(), seen) << "warned four minutes before";

        Watcher().Then(Warning(chosen.warning));
        for (const auto now : {At(10, 1, 0), At(10, 1, 30), At(10, 3, 59)}) {
            fake_time::Set(now);
            TickPowerOff();
        }
        EXPECT_EQ(Remaining(PowerOffPanel()), (DigitTexts{L"0", L"0", L"0", L"1"}));
        EXPECT_EQ(Watcher().SeenCount(), seen + 1);
        EXPECT_TRUE(power_recorder::Actions().empty());

        fake_time::Set(At(10, 4, 0));
        TickPowerOff();
        EXPECT_EQ(power_recorder::Actions(), (Actions{chosen.action}));
        EXPECT_EQ(power_recorder::PrivilegeRequests(), 1);
        EXPECT_EQ(theApp.m_nShutdownState, 0);
        EXPECT_FALSE(IsPressedIn(PowerOffPanel(), IDC_SET));
        EXPECT_EQ(Remaining(PowerOffPanel()), (DigitTexts{L"0", L"0", L"0", L"0"}));
        EXPECT_EQ(StatusLine(IDC_STATUS_SHUTDOWN), Japanese(TextId::StatusNotSet));
        EXPECT_FALSE(IsIconActive());
        EXPECT_EQ(Object().m_cbMode.GetCurSel(), static_cast<int>(chosen.mode)) << "the mode was not kept";
        TickPowerOff();
        EXPECT_EQ(power_recorder::Actions().size(), 1u);
        EXPECT_EQ(Watcher().SeenCount(), seen + 1);

        // The next setting warns again.
        Watcher().Then(Warning(chosen.warning));
        SetPowerOff({L"1", L"0", L"0", L"6"});
        TickPowerOff();
        EXPECT_EQ(Watcher().SeenCount(), seen + 2);
        Click(PowerOffPanel(), IDC_SET);
    }
}

TEST_F(PowerOff, WarnsAtTheFirstTickWhenSetWithinThreeMinutesAndAModeChangedAfterwardsCountsForTheAction)
{
    fake_time::Set(At(10, 0, 30));
    SetPowerOff({L"1", L"0", L"0", L"2"});
    EXPECT_EQ(store::ReadString(kShutdownHistoryValue), L"10:02|");
    Watcher().Then(Warning(Japanese(TextId::WarningShutdown)));
    fake_time::Set(At(10, 0, 31));
    TickPowerOff();
    EXPECT_EQ(Watcher().SeenCount(), 1);
    ChooseMode(PowerMode::Sleep);
    fake_time::Set(At(10, 2, 0));
    TickPowerOff();
    EXPECT_EQ(Watcher().SeenCount(), 1);
    EXPECT_EQ(power_recorder::Actions(), (Actions{PowerAction::Sleep}));
}

// While the list is open its row under the pointer is not yet a choice; off the rows it names no mode at all.
TEST_F(PowerOff, WhileTheSelectorsListIsOpenTheWarningAndTheActionTakeTheConfirmedMode)
{
    ChooseMode(PowerMode::Sleep);
    fake_time::Set(At(10, 0, 30));
    SetPowerOff({L"1", L"0", L"0", L"2"});
    const HWND field = Object().m_cbMode.m_hWnd;
    const auto withListOpenOffItsRows = [&](std::function<void()> meanwhile) {
        Watcher().Then([meanwhile](HWND list) {
            MovePointer(list, {-10, -40});
            EXPECT_EQ(Object().m_cbMode.m_dropDown.m_nCurSel, -1) << "the pointer is not off the rows";
            meanwhile();
            PostKey(list, VK_ESCAPE);
        });
        PressAt(field, {4, 4});
    };

    withListOpenOffItsRows([this] {
        Watcher().Then(Warning(Japanese(TextId::WarningSleep)));
        TickPowerOff();
    });
    withListOpenOffItsRows([] {
        fake_time::Set(At(10, 2, 0));
        TickPowerOff();
    });
    EXPECT_EQ(Watcher().SeenCount(), 3);
    EXPECT_EQ(power_recorder::Actions(), (Actions{PowerAction::Sleep}));
    EXPECT_EQ(Object().m_cbMode.GetCurSel(), 1);
}

// Set during second 0 of the target minute, the first tick warns and waits for the warning to close before it
// acts; meanwhile the user or another tick may have changed everything.
TEST_F(PowerOff, ATickThatWaitedForTheWarningActsOnlyIfItsSettingStillHolds)
{
    const struct {
        const char* meanwhile;
        std::function<void()> action;
        Actions expected;
        std::int32_t stateAfter;
    } cases[] = {
        {"another tick powered off", [] { TickPowerOff(); }, {PowerAction::Shutdown}, 0},
        {"Set released", [] { Click(PowerOffPanel(), IDC_SET); }, {}, 0},
        {"Set released and pressed again for another time",
         [] {
             Click(PowerOffPanel(), IDC_SET);
             SetPowerOff({L"1", L"2", L"0", L"0"});
         },
         {},
         1},
    };
    for (const auto& waited : cases) {
        power_recorder::Clear();
        fake_time::Set(At(10, 1, 0));
        SetPowerOff({L"1", L"0", L"0", L"1"});
        Watcher().Then(Warning(Japanese(TextId::WarningShutdown), waited.action));
        TickPowerOff();
        EXPECT_EQ(power_recorder::Actions(), waited.expected) << waited.meanwhile;
        EXPECT_EQ(theApp.m_nShutdownState, waited.stateAfter) << waited.meanwhile;
        if (theApp.m_nShutdownState != 0) Click(PowerOffPanel(), IDC_SET);
    }
    EXPECT_EQ(Watcher().SeenCount(), 3);
}

// A notice, not a warning, says that the power-off was called off; the panel and the main panel are idle.
PopupWatcher::Action CalledOff()
{
    return [](HWND notice) {
        EXPECT_EQ(ControlText(notice, IDC_NOTICE_TEXT), Japanese(TextId::ShutdownSkipped));
        EXPECT_EQ(theApp.m_nShutdownState, 0);
        EXPECT_EQ(StatusLine(IDC_STATUS_SHUTDOWN), Japanese(TextId::StatusNotSet));
        EXPECT_FALSE(IsIconActive());
        EndPopup(notice, 0);
    };
}

// The computer slept, or the time jumped, across the target: the first tick after finds it passed unseen.
TEST_F(PowerOff, ATargetThatPassedWhileNobodySawItComingIsCalledOff)
{
    const HWND main = theApp.m_pMainDlg->m_hWnd;
    const struct {
        const char* how;
        std::int64_t lastTickBefore, firstTickAfter;
        UINT message;
        WPARAM event;
    } cases[] = {
        {"woken the next morning", At(10, 1, 0), Tomorrow(8, 0), 0, 0},
        {"the time set forward past the target", At(10, 5, 0), At(10, 10, 0), 0, 0},
        {"a gap of more than 90 s", At(10, 8, 29), At(10, 10, 0), 0, 0},
        {"resumed from sleep", At(10, 9, 59), At(10, 10, 0), WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC},
        {"resumed by the user", At(10, 9, 59), At(10, 10, 0), WM_POWERBROADCAST, PBT_APMRESUMESUSPEND},
        {"the time changed", At(10, 9, 59), At(10, 10, 0), WM_TIMECHANGE, 0},
    };
    int seen = 0;
    for (const auto& c : cases) {
        power_recorder::Clear();
        fake_time::Set(At(10, 0, 30));
        SetPowerOff({L"1", L"0", L"1", L"0"});
        fake_time::Set(c.lastTickBefore);
        // From three minutes before, the last tick warned as ever.
        const bool warned = c.lastTickBefore >= At(10, 7, 0);
        if (warned) Watcher().Then(Warning(Japanese(TextId::WarningShutdown)));
        TickPowerOff();
        if (c.message) ::SendMessageW(main, c.message, c.event, 0);
        fake_time::Set(c.firstTickAfter);
        Watcher().Then(CalledOff());
        TickPowerOff();
        seen += warned ? 2 : 1;
        EXPECT_EQ(Watcher().SeenCount(), seen) << c.how;
        EXPECT_TRUE(power_recorder::Actions().empty()) << c.how;
        EXPECT_FALSE(IsPressedIn(PowerOffPanel(), IDC_SET)) << c.how;
    }
}

// A resume or a change of the time counts for the next tick only; one that finds the target ahead cancels nothing.
TEST_F(PowerOff, AResumeBeforeTheTargetChangesNothing)
{
    fake_time::Set(At(10, 0, 30));
    SetPowerOff({L"1", L"0", L"1", L"0"});
    ::SendMessageW(theApp.m_pMainDlg->m_hWnd, WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
    fake_time::Set(At(10, 5, 0));
    TickPowerOff();
    EXPECT_EQ(theApp.m_nShutdownState, 1);
    Watcher().Then(Warning(Japanese(TextId::WarningShutdown)));
    for (const auto now : {At(10, 7, 0), At(10, 8, 0), At(10, 9, 0), At(10, 10, 0)}) {
        fake_time::Set(now);
        TickPowerOff();
    }
    EXPECT_EQ(Watcher().SeenCount(), 1);
    EXPECT_EQ(power_recorder::Actions(), (Actions{PowerAction::Shutdown}));
}

// What each mode does on each kind of computer is the rule's (tests/unit/PowerModesTest.cpp); here, that the panel
// follows it. A refusal comes below the selector at Set, with Set pressed in until it closes, and nothing starts.
TEST_F(PowerOff, SetRefusesAModeThatTheComputerLacksBelowTheSelector)
{
    power_recorder::SetCapabilities({true, false, false});
    ChooseMode(PowerMode::Hibernate);
    Watcher().Then([](HWND popup) {
        const RECT below = ScreenRectOf(PowerOffPanel(), IDC_MODE);
        RECT place{};
        ::GetWindowRect(popup, &place);
        EXPECT_EQ(ControlText(popup, IDC_ERROR_TEXT), Japanese(TextId::RefusalNoHibernation));
        EXPECT_EQ(place.left, below.left);
        EXPECT_EQ(place.top, below.bottom);
        EXPECT_TRUE(IsPressedIn(PowerOffPanel(), IDC_SET)) << "released before the popup closed";
        PostKey(popup, VK_ESCAPE);
    });
    SetPowerOff({L"1", L"0", L"0", L"5"});
    EXPECT_EQ(Watcher().SeenCount(), 1);
    EXPECT_EQ(theApp.m_nShutdownState, 0);
    EXPECT_FALSE(IsPressedIn(PowerOffPanel(), IDC_SET));
    EXPECT_FALSE(store::ReadString(kShutdownHistoryValue));
}

// The action that the rule names for a Modern Standby computer's sleep, which needs no privilege (every other one needs
// it: see the first test).
TEST_F(PowerOff, CarriesTheModeOutWithTheCallAndThePrivilegeThatTheRuleNames)
{
    power_recorder::SetCapabilities({false, true, true});
    ChooseMode(PowerMode::Sleep);
    fake_time::Set(At(10, 0, 30));
    SetPowerOff({L"1", L"0", L"0", L"1"});
    Watcher().Then(Warning(Japanese(TextId::WarningSleep)));
    fake_time::Set(At(10, 1, 0));
    TickPowerOff();
    EXPECT_EQ(power_recorder::Actions(), (Actions{PowerAction::DisplaysOff}));
    EXPECT_EQ(power_recorder::PrivilegeRequests(), 0);
}

// Every way in which the action cannot be carried out ends alike: idle, with the notice that says so.
TEST_F(PowerOff, AnActionThatCannotBeCarriedOutEndsWithTheNoticeThatSaysSo)
{
    const struct {
        const char* how;
        std::function<void()> meanwhile;
        Actions tried;
    } failures[] = {
        {"the system refused the call", [] { power_recorder::FailNextAction(); }, {PowerAction::Shutdown}},
        {"the privilege could not be enabled", [] { power_recorder::FailPrivilege(); }, {}},
        {"changed to a mode that the computer lacks",
         [] {
             power_recorder::SetCapabilities({true, false, false});
             ChooseMode(PowerMode::Hibernate);
         },
         {}},
    };
    for (const auto& failure : failures) {
        power_recorder::Clear();
        ChooseMode(PowerMode::Shutdown);
        fake_time::Set(At(10, 0, 30));
        SetPowerOff({L"1", L"0", L"0", L"1"});
        Watcher().Then(Warning(Japanese(TextId::WarningShutdown), failure.meanwhile));
        TickPowerOff();
        Watcher().Then(Warning(Japanese(TextId::ShutdownFailed)));
        fake_time::Set(At(10, 1, 0));
        TickPowerOff();
        EXPECT_EQ(power_recorder::Actions(), failure.tried) << failure.how;
        EXPECT_EQ(theApp.m_nShutdownState, 0) << failure.how;
    }
    EXPECT_EQ(Watcher().SeenCount(), 6);
}

}  // namespace
