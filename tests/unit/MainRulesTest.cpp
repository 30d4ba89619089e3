#include "mainpanel/MainRules.h"

#include "res/resource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

constexpr std::wstring_view kNotSet = L"\u30BB\u30C3\u30C8\u3055\u308C\u3066\u3044\u307E\u305B\u3093\u3002";
constexpr std::wstring_view kSet = L"\u30BB\u30C3\u30C8\u3055\u308C\u3066\u3044\u307E\u3059\u3002";
constexpr std::wstring_view kPaused =
    L"\u30BB\u30C3\u30C8\u3055\u308C\u3066\u3044\u307E\u3059\u304C\u3001\u505C\u6B62\u3057\u3066\u307E\u3059\u3002";

constexpr ClockStates kAllIdle{0, 0, 0, 0};

void ExpectLine(const std::optional<StatusLine>& line, std::wstring_view text, bool enabled)
{
    ASSERT_TRUE(line.has_value());
    EXPECT_EQ(line->text, text);
    EXPECT_EQ(line->enabled, enabled);
}

MenuItemRule RuleFor(const std::vector<MenuItemRule>& rules, unsigned id)
{
    const auto rule = std::find_if(rules.begin(), rules.end(), [id](const MenuItemRule& r) { return r.id == id; });
    EXPECT_NE(rule, rules.end()) << "no rule for " << id;
    return rule == rules.end() ? MenuItemRule{id, MenuItemRule::Kind::Check, false} : *rule;
}

bool IsChecked(const std::vector<MenuItemRule>& rules, unsigned id)
{
    const MenuItemRule rule = RuleFor(rules, id);
    EXPECT_EQ(rule.kind, MenuItemRule::Kind::Check) << id;
    return rule.on;
}

bool IsEnabled(const std::vector<MenuItemRule>& rules, unsigned id)
{
    const MenuItemRule rule = RuleFor(rules, id);
    EXPECT_EQ(rule.kind, MenuItemRule::Kind::Enable) << id;
    return rule.on;
}

constexpr unsigned kQuickTimers[] = {ID_QUICK_TIMER1, ID_QUICK_TIMER3, ID_QUICK_TIMER5, ID_QUICK_TIMER10};

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
    EXPECT_FALSE(rules[3].line.has_value());  // the power-off has no paused state
}

TEST(IsIconActive, OnlyAStateOfOneCounts)
{
    EXPECT_FALSE(IsIconActive(kAllIdle));
    EXPECT_FALSE(IsIconActive({0, 2, 2, 0}));
    EXPECT_TRUE(IsIconActive({1, 0, 0, 0}));
    EXPECT_TRUE(IsIconActive({0, 1, 0, 0}));
    EXPECT_TRUE(IsIconActive({0, 2, 1, 0}));
    EXPECT_TRUE(IsIconActive({0, 0, 0, 1}));
}

TEST(MenuRules, EveryRuleBoundCommandOnceAndExitLeftAlone)
{
    const auto rules = MenuRules(kAllIdle, false);
    std::set<unsigned> ids;
    for (const MenuItemRule& rule : rules) {
        EXPECT_TRUE(ids.insert(rule.id).second) << "twice: " << rule.id;
    }
    EXPECT_EQ(ids, (std::set<unsigned>{ID_MENU_MAINPANEL, ID_MENU_ALARM, ID_MENU_TIMER, ID_MENU_COUNTER,
                                       ID_MENU_SHUTDOWN, ID_QUICK_TIMER1, ID_QUICK_TIMER3, ID_QUICK_TIMER5,
                                       ID_QUICK_TIMER10, ID_QUICK_COUNTER}));
}

TEST(MenuRules, AllIdle)
{
    const auto rules = MenuRules(kAllIdle, false);
    for (const unsigned id : {ID_MENU_ALARM, ID_MENU_TIMER, ID_MENU_COUNTER, ID_MENU_SHUTDOWN}) {
        EXPECT_FALSE(IsChecked(rules, id)) << id;
    }
    for (const unsigned id : kQuickTimers) {
        EXPECT_TRUE(IsEnabled(rules, id)) << id;
    }
    EXPECT_TRUE(IsEnabled(rules, ID_QUICK_COUNTER));
    EXPECT_TRUE(IsEnabled(rules, ID_MENU_MAINPANEL));
}

TEST(MenuRules, PausedTimerIsUncheckedAndGreysQuickTimers)
{
    const auto rules = MenuRules({0, 2, 0, 0}, false);
    EXPECT_FALSE(IsChecked(rules, ID_MENU_TIMER));
    for (const unsigned id : kQuickTimers) {
        EXPECT_FALSE(IsEnabled(rules, id)) << id;
    }
    EXPECT_TRUE(IsEnabled(rules, ID_QUICK_COUNTER));
}

TEST(MenuRules, RunningClocksAreCheckedAndGreyTheirQuickCommands)
{
    const auto rules = MenuRules({1, 1, 1, 1}, false);
    for (const unsigned id : {ID_MENU_ALARM, ID_MENU_TIMER, ID_MENU_COUNTER, ID_MENU_SHUTDOWN}) {
        EXPECT_TRUE(IsChecked(rules, id)) << id;
    }
    EXPECT_FALSE(IsEnabled(rules, ID_QUICK_TIMER3));
    EXPECT_FALSE(IsEnabled(rules, ID_QUICK_COUNTER));

    const auto counterOnly = MenuRules({0, 0, 1, 0}, false);
    EXPECT_TRUE(IsChecked(counterOnly, ID_MENU_COUNTER));
    EXPECT_FALSE(IsChecked(counterOnly, ID_MENU_ALARM));
    EXPECT_FALSE(IsEnabled(counterOnly, ID_QUICK_COUNTER));
    EXPECT_TRUE(IsEnabled(counterOnly, ID_QUICK_TIMER10));

    // A state outside 0 to 2 checks nothing and enables nothing that needs an idle clock.
    const auto odd = MenuRules({5, 5, -1, 5}, false);
    EXPECT_FALSE(IsChecked(odd, ID_MENU_ALARM));
    EXPECT_FALSE(IsEnabled(odd, ID_QUICK_TIMER1));
    EXPECT_FALSE(IsEnabled(odd, ID_QUICK_COUNTER));
}

TEST(MenuRules, MainPanelCommandGreyedWhileShown)
{
    EXPECT_FALSE(IsEnabled(MenuRules(kAllIdle, true), ID_MENU_MAINPANEL));
    EXPECT_TRUE(IsEnabled(MenuRules({1, 2, 1, 1}, false), ID_MENU_MAINPANEL));
}
