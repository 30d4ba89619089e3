// The list of texts in res/texts.h, and the filling in of the values the code puts into them.
#include "app/Texts.h"

#include "mainpanel/MainRules.h"
#include "tests/TextList.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

size_t Count(const std::wstring& text, std::wstring_view part)
{
    size_t count = 0;
    for (size_t at = text.find(part); at != std::wstring::npos; at = text.find(part, at + part.size())) ++count;
    return count;
}

TEST(TextTable, FillsInBothValuesWhereverTheyStand)
{
    TextTable texts;
    texts.Set(TextId::TimerNotice, L"%2 then %1, %1 again; 100% and %3 stay%");
    EXPECT_EQ(texts.Format(TextId::TimerNotice, L"one", L"two"), L"two then one, one again; 100% and %3 stay%");
    EXPECT_EQ(texts.Format(TextId::AlarmNotice, L"one"), L"") << "an id the table does not have";
    EXPECT_EQ(texts[TextId::AlarmNotice], L"");
}

// The texts that the code fills in take exactly the values it gives; the others take none.
TEST(TextList, EveryTextIsThereWithThePlacesForItsValues)
{
    const struct {
        TextId id;
        size_t values;
    } withValues[] = {{TextId::TipAlarm, 1},    {TextId::TipTimer, 1},   {TextId::TipCounter, 1},
                      {TextId::TipShutdown, 1}, {TextId::TipPaused, 1},  {TextId::TipMode, 2},
                      {TextId::TimerNotice, 2}, {TextId::AlarmNotice, 2}};
    for (const TextId id : kAllTextIds) {
        const std::wstring& text = Japanese(id);
        EXPECT_FALSE(text.empty()) << static_cast<unsigned>(id);
        const auto with = std::find_if(std::begin(withValues), std::end(withValues),
                                       [id](const auto& entry) { return entry.id == id; });
        const size_t values = with == std::end(withValues) ? 0 : with->values;
        EXPECT_EQ(Count(text, L"%1"), values > 0 ? 1u : 0u) << static_cast<unsigned>(id);
        EXPECT_EQ(Count(text, L"%2"), values > 1 ? 1u : 0u) << static_cast<unsigned>(id);
    }
}

// Refusals keep off the error popup's edge by a space; the warnings are indented by two ideographic spaces.
TEST(TextList, RefusalsAndWarningsKeepTheirLeadingSpaces)
{
    for (const TextId id : {TextId::RefusalWhileRunning, TextId::RefusalHourAbove23, TextId::RefusalNoTime})
        EXPECT_EQ(Japanese(id).substr(0, 2).find(L' '), 0u) << static_cast<unsigned>(id);
    for (const TextId id : {TextId::WarningShutdown, TextId::WarningSleep, TextId::WarningHibernate})
        EXPECT_EQ(Japanese(id).substr(0, 4), L"\u3000\u30003 ") << static_cast<unsigned>(id);
}

// Every clock set, with the widest values and the longest mode, still fits the tip.
TEST(TextList, TheLongestTipFitsTheNotificationArea)
{
    const TextTable texts = JapaneseTexts();
    const std::wstring tip = TrayTip({1, 2, 2, 1}, {0, 5999, 5999, 0, 2}, texts);
    EXPECT_LT(tip.size(), kTipLimit);
    EXPECT_EQ(Count(tip, L"\n"), 4u);
}

}  // namespace
