// The list of texts in res/texts.h, and the filling in of the values the code puts into them.
#include "app/Texts.h"

#include "mainpanel/MainRules.h"
#include "panels/ClockTexts.h"
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

TEST(LanguageOfDisplay, JapaneseOnlyForAJapaneseDisplayLanguage)
{
    for (const unsigned japanese : {0x0411u, 0x0011u, 0x0C11u})
        EXPECT_EQ(LanguageOfDisplay(japanese), Language::Japanese);
    // English, French, Chinese, none, the neutral and default ones, custom locales, garbage.
    for (const unsigned other :
         {0x0409u, 0x0809u, 0x040Cu, 0x0804u, 0u, 0x0400u, 0x0800u, 0x0C00u, 0x1000u, 0x0410u, 0xFFFFu, 0x0111u})
        EXPECT_EQ(LanguageOfDisplay(other), Language::English) << std::hex << other;
}

class TextList : public ::testing::TestWithParam<Language> {};

// The texts that the code fills in take exactly the values it gives; the others take none.
TEST_P(TextList, EveryTextIsThereWithThePlacesForItsValues)
{
    const struct {
        TextId id;
        size_t values;
    } withValues[] = {{TextId::TipAlarm, 1},    {TextId::TipTimer, 1},    {TextId::TipCounter, 1},
                      {TextId::TipShutdown, 1}, {TextId::TipPaused, 1},   {TextId::TipMode, 2},
                      {TextId::TimerNotice, 2}, {TextId::AlarmNotice, 2}, {TextId::DigitButtonName, 2}};
    for (const TextId id : kAllTextIds) {
        const std::wstring& text = Listed(GetParam())[id];
        EXPECT_FALSE(text.empty()) << static_cast<unsigned>(id);
        const auto with = std::find_if(std::begin(withValues), std::end(withValues),
                                       [id](const auto& entry) { return entry.id == id; });
        const size_t values = with == std::end(withValues) ? 0 : with->values;
        EXPECT_EQ(Count(text, L"%1"), values > 0 ? 1u : 0u) << static_cast<unsigned>(id);
        EXPECT_EQ(Count(text, L"%2"), values > 1 ? 1u : 0u) << static_cast<unsigned>(id);
    }
}

// Refusals keep off the error popup's edge by a space, in both languages; the Japanese warnings are indented by
// two ideographic spaces.
TEST_P(TextList, RefusalsAndWarningsKeepTheirLeadingSpaces)
{
    for (const TextId id : {TextId::RefusalWhileRunning, TextId::RefusalHourAbove23, TextId::RefusalNoTime,
                            TextId::RefusalNoSleep, TextId::RefusalNoHibernation})
        EXPECT_EQ(Listed(GetParam())[id].find(L' '), 0u) << static_cast<unsigned>(id);
    for (const TextId id : {TextId::WarningShutdown, TextId::WarningSleep, TextId::WarningHibernate}) {
        const std::wstring& warning = Listed(GetParam())[id];
        EXPECT_EQ(warning.starts_with(L"\u3000\u3000"), GetParam() == Language::Japanese) << static_cast<unsigned>(id);
    }
}

// Every clock set, with the widest values and the longest mode, still fits the tip.
TEST_P(TextList, TheLongestTipFitsTheNotificationArea)
{
    const TextTable& texts = Listed(GetParam());
    const std::wstring tip = TrayTip(
        {AlarmTipLine(state::kRunning, 0, texts), CountingTipLine(state::kPaused, TextId::TipTimer, 5999, texts),
         CountingTipLine(state::kPaused, TextId::TipCounter, 5999, texts),
         ShutdownTipLine(state::kRunning, 0, 2, texts)},
        texts);
    EXPECT_LT(tip.size(), kTipLimit);
    EXPECT_EQ(Count(tip, L"\n"), 4u);
}

// The program's name is the same in both languages; every other text is translated.
TEST(TextList, EnglishTranslatesEveryJapaneseText)
{
    for (const TextId id : kAllTextIds) {
        EXPECT_EQ(Japanese(id) == English(id), id == TextId::ProgramName) << static_cast<unsigned>(id);
    }
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, TextList, ::testing::Values(Language::Japanese, Language::English),
                         [](const auto& info) { return info.param == Language::Japanese ? "Japanese" : "English"; });

}  // namespace
