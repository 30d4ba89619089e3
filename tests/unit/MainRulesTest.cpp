#include "mainpanel/MainRules.h"

#include "panels/ClockTexts.h"
#include "panels/TimeOfDay.h"

#include "res/resource.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr TextId kNotSet = TextId::StatusNotSet;
constexpr TextId kSet = TextId::StatusSet;
constexpr TextId kPaused = TextId::StatusPaused;

void ExpectLine(const std::optional<StatusLine>& line, TextId text, bool enabled)
{
    ASSERT_TRUE(line.has_value());
    EXPECT_EQ(line->text, text);
    EXPECT_EQ(line->enabled, enabled);
}

// The rules as "C1" (checked), "C0", "E1" (enabled), "E0" (greyed), in the order of the ids given.
std::vector<std::string> Shown(const std::vector<MenuItemRule>& rules, std::initializer_list<unsigned> ids)
{
    std::vector<std::string> shown;
    for (const unsigned id : ids) {
        const auto rule = std::find_if(rules.begin(), rules.end(), [id](const MenuItemRule& r) { return r.id == id; });
        shown.push_back(rule == rules.end() ? "none"
                                            : std::string(rule->kind == MenuItemRule::Kind::Check ? "C" : "E") +
                                                  (rule->on ? "1" : "0"));
    }
    return shown;
}

std::vector<std::string> Shown(const ClockStates& states, bool mainShown)
{
    return Shown(MenuRules(states, mainShown),
                 {ID_MENU_ALARM, ID_MENU_TIMER, ID_MENU_COUNTER, ID_MENU_SHUTDOWN, ID_MENU_MAINPANEL, ID_QUICK_TIMER1,
                  ID_QUICK_TIMER3, ID_QUICK_TIMER5, ID_QUICK_TIMER10, ID_QUICK_COUNTER});
}

using Row = std::vector<std::string>;

}  // namespace

TEST(StatusLineOf, TextAndEnabledByStateAndKind)
{
    for (const ClockKind kind : {ClockKind::OnOff, ClockKind::Pausable}) {
        ExpectLine(StatusLineOf(0, kind), kNotSet, false);
        ExpectLine(StatusLineOf(1, kind), kSet, true);
        EXPECT_FALSE(StatusLineOf(3, kind).has_value());
        EXPECT_FALSE(StatusLineOf(-1, kind).has_value());
    }
    ExpectLine(StatusLineOf(2, ClockKind::Pausable), kPaused, true);
    EXPECT_FALSE(StatusLineOf(2, ClockKind::OnOff).has_value());
}

TEST(StatusLineRules, EachControlFollowsItsClock)
{
    const auto rules = StatusLineRules({1, 2, 0, 2});
    EXPECT_EQ(rules[0].id, unsigned{IDC_STATUS_ALARM});
    ExpectLine(rules[0].line, kSet, true);
    EXPECT_EQ(rules[1].id, unsigned{IDC_STATUS_TIMER});
    ExpectLine(rules[1].line, kPaused, true);
    EXPECT_EQ(rules[2].id, unsigned{IDC_STATUS_COUNTER});
    ExpectLine(rules[2].line, kNotSet, false);
    EXPECT_EQ(rules[3].id, unsigned{IDC_STATUS_SHUTDOWN});
    EXPECT_FALSE(rules[3].line.has_value());
}

TEST(IsIconActive, OnlyAStateOfOneCounts)
{
    EXPECT_FALSE(IsIconActive({0, 0, 0, 0}));
    EXPECT_FALSE(IsIconActive({2, 2, 2, 2}));
    EXPECT_TRUE(IsIconActive({1, 0, 0, 0}));
    EXPECT_TRUE(IsIconActive({0, 2, 1, 0}));
    EXPECT_TRUE(IsIconActive({0, 0, 0, 1}));
}

TEST(MenuRules, ChecksAndGreyingByState)
{
    //                                 alarm timer counter power main  quick timers 1, 3, 5, 10  counter
    EXPECT_EQ(Shown({0, 0, 0, 0}, false), (Row{"C0", "C0", "C0", "C0", "E1", "E1", "E1", "E1", "E1", "E1"}));
    EXPECT_EQ(Shown({0, 2, 0, 0}, false), (Row{"C0", "C0", "C0", "C0", "E1", "E0", "E0", "E0", "E0", "E1"}));
    EXPECT_EQ(Shown({0, 0, 1, 0}, false), (Row{"C0", "C0", "C1", "C0", "E1", "E1", "E1", "E1", "E1", "E0"}));
    EXPECT_EQ(Shown({1, 1, 2, 1}, true), (Row{"C1", "C1", "C0", "C1", "E0", "E0", "E0", "E0", "E0", "E0"}));
    EXPECT_EQ(Shown({7, -1, 7, 7}, false), (Row{"C0", "C0", "C0", "C0", "E1", "E0", "E0", "E0", "E0", "E0"}));
}

TEST(MenuRules, ExitIsLeftAsTheMenuHasIt)
{
    EXPECT_EQ(MenuRules({0, 0, 0, 0}, false).size(), 10u);
    EXPECT_EQ(Shown(MenuRules({0, 0, 0, 0}, false), {ID_MENU_EXIT}), (Row{"none"}));
}

namespace {

std::int64_t Today(int hour, int minute)
{
    return *FromLocalTime({2026, 6, 15, hour, minute, 0});
}

// Patterns that show where each part went; the list's own texts are checked in TextsTest.
TextTable ProbeTexts()
{
    TextTable texts;
    for (const auto& [id, text] : std::initializer_list<std::pair<TextId, const wchar_t*>>{
             {TextId::ProgramName, L"P"},
             {TextId::TipAlarm, L"A %1"},
             {TextId::TipTimer, L"T %1"},
             {TextId::TipCounter, L"C %1"},
             {TextId::TipShutdown, L"S %1"},
             {TextId::TipPaused, L"%1 paused"},
             {TextId::TipMode, L"%1 (%2)"},
             {TextId::ModeHibernate, L"hibernate"},
         })
        texts.Set(id, text);
    return texts;
}

// The times that the four panels give their tip lines.
struct TipTimes {
    std::int64_t alarmTarget;
    int timerSeconds;
    int counterSeconds;
    std::int64_t shutdownTarget;
    int shutdownMode;
};

// The tip as the main panel builds it from the panels' lines.
std::wstring TipOf(const ClockStates& states, const TipTimes& times, const TextTable& texts)
{
    return TrayTip({AlarmTipLine(states.alarm, times.alarmTarget, texts),
                    CountingTipLine(states.timer, TextId::TipTimer, times.timerSeconds, texts),
                    CountingTipLine(states.counter, TextId::TipCounter, times.counterSeconds, texts),
                    ShutdownTipLine(states.shutdown, times.shutdownTarget, times.shutdownMode, texts)},
                   texts);
}

TEST(TrayTip, NamesTheProgramThenEveryClockThatIsSetWithItsTime)
{
    const TipTimes times{Today(7, 30), 3 * 60 + 21, 99 * 60 + 59, Today(23, 5), 2};
    const struct {
        ClockStates states;
        std::wstring_view tip;
    } cases[] = {
        {{0, 0, 0, 0}, L"P"},
        {{1, 1, 1, 1}, L"P\nA 07:30\nT 03:21\nC 99:59\nS 23:05 (hibernate)"},
        {{0, 2, 2, 0}, L"P\nT 03:21 paused\nC 99:59 paused"},
        {{0, 0, 1, 0}, L"P\nC 99:59"},
        // States the clocks do not have show nothing.
        {{2, 7, -1, 2}, L"P"},
    };
    for (const auto& c : cases) EXPECT_EQ(TipOf(c.states, times, ProbeTexts()), c.tip);
}

TEST(TrayTip, LeavesOutAModeThatNamesNoneAndStopsAtTheLimit)
{
    for (const int mode : {-1, 3})
        EXPECT_EQ(TipOf({0, 0, 0, 1}, {0, 0, 0, Today(0, 0), mode}, ProbeTexts()), L"P\nS 00:00");
    TextTable texts = ProbeTexts();
    texts.Set(TextId::ProgramName, std::wstring(kTipLimit - 3, L'x'));
    EXPECT_EQ(TipOf({0, 1, 0, 0}, {0, 59, 0, 0, 0}, texts), std::wstring(kTipLimit - 3, L'x') + L"\nT ");
}

}  // namespace
