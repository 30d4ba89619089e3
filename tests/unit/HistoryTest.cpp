#include "app/History.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <iterator>
#include <random>

namespace {

HistoryList Loaded(std::wstring_view text)
{
    HistoryList list{L"stale"};
    SplitHistory(text, list);
    return list;
}

// Each entry goes before the first greater one: the order the drop-down has always shown.
HistoryList InsertionSorted(const HistoryList& list)
{
    HistoryList result;
    for (const std::wstring& entry : list) {
        auto position = std::find_if(result.begin(), result.end(),
                                     [&entry](const std::wstring& placed) { return OrdinalLess(entry, placed); });
        result.insert(position, entry);
    }
    return result;
}

}  // namespace

TEST(SplitHistory, SeparatorsNeverYieldEntriesAndAnyOtherTextIsKept)
{
    EXPECT_TRUE(Loaded(L"").empty());
    EXPECT_TRUE(Loaded(L"|||").empty());
    const HistoryList expected{L"07:30", L"06:45"};
    EXPECT_EQ(Loaded(L"07:30|06:45|"), expected);
    EXPECT_EQ(Loaded(L"07:30||06:45"), expected);
    EXPECT_EQ(Loaded(L"|07:30|06:45|"), expected);
    const std::wstring longEntry(5000, L'9');
    EXPECT_EQ(Loaded(L" x |\u6642\U0001F600||" + longEntry), (HistoryList{L" x ", L"\u6642\U0001F600", longEntry}));
}

TEST(JoinHistory, EachEntryFollowedBySeparator)
{
    EXPECT_EQ(JoinHistory({}), L"");
    EXPECT_EQ(JoinHistory({L"07:30", L"06:45"}), L"07:30|06:45|");
}

TEST(AddHistoryEntry, MovesAnEqualEntryToTheHeadAndDropsOneBeyondTheLimit)
{
    HistoryList list{L"07:30", L"06:45", L"05:00"};
    AddHistoryEntry(list, L"06:45");
    EXPECT_EQ(list, (HistoryList{L"06:45", L"07:30", L"05:00"}));

    HistoryList longer;  // as loaded from the store: never trimmed to the limit at once
    for (int i = 0; i < 20; ++i) {
        longer.push_back(std::to_wstring(i));
    }
    AddHistoryEntry(longer, L"new");
    EXPECT_EQ(longer.size(), 20u);
    EXPECT_EQ(longer.back(), L"18");
    AddHistoryEntry(longer, L"3");
    EXPECT_EQ(longer.size(), 19u);
    EXPECT_EQ(longer.front(), L"3");

    longer.resize(kHistoryLimit);
    AddHistoryEntry(longer, L"newest");
    EXPECT_EQ(longer.size(), kHistoryLimit);
    EXPECT_EQ(longer.front(), L"newest");
}

TEST(RemoveHistoryEntries, RemovesFirstEqualEntryPerTextAndSkipsUnknown)
{
    HistoryList list{L"07:30", L"06:45", L"07:30", L"05:00"};
    RemoveHistoryEntries(list, {L"07:30", L"09:99", L"05:00"});
    EXPECT_EQ(list, (HistoryList{L"06:45", L"07:30"}));
}

TEST(OrdinalLess, CodeUnitOrderWithSurrogatesBetweenD7FFAndE000)
{
    EXPECT_TRUE(OrdinalLess(L"07:30", L"23:00"));
    EXPECT_FALSE(OrdinalLess(L"23:00", L"07:30"));
    EXPECT_FALSE(OrdinalLess(L"07:30", L"07:30"));
    EXPECT_TRUE(OrdinalLess(L"07", L"07:30"));
    EXPECT_FALSE(OrdinalLess(L"07:30", L"07"));
    EXPECT_TRUE(OrdinalLess(L"Z", L"a"));
    EXPECT_TRUE(OrdinalLess(L"\uD7FF", L"\U00010000"));
    EXPECT_TRUE(OrdinalLess(L"a\U0010FFFF", L"a\uE000"));
    EXPECT_TRUE(OrdinalLess(L"\U00010000", L"\U0001F600"));
}

TEST(SortHistory, SortsACopyAsTheInsertionProcedureDoes)
{
    const HistoryList stored{L"07:30", L"23:00", L"00:15"};
    EXPECT_EQ(SortHistory(stored), (HistoryList{L"00:15", L"07:30", L"23:00"}));
    EXPECT_EQ(stored.front(), L"07:30");

    // Few pieces make many equal entries and shared prefixes; where wchar_t is 32-bit the lone surrogates
    // spell the same code units as U+10000, so equal entries differ and their order shows.
    const std::wstring pieces[] = {L"0", L"9", {wchar_t(0xD800)}, {wchar_t(0xDC00)}, L"\U00010000", L"\uE000"};
    std::mt19937 random(20240517);
    for (int round = 0; round < 10; ++round) {
        HistoryList list;
        for (int i = 0; i < 300; ++i) {
            list.push_back(pieces[random() % std::size(pieces)] + pieces[random() % std::size(pieces)]);
        }
        EXPECT_EQ(SortHistory(list), InsertionSorted(list));
    }
}

// A quadratic load or sort would take minutes here.
TEST(SortHistory, LoadsAndSortsAMegabyteInFull)
{
    std::wstring text;
    std::mt19937 random(7);
    while (text.size() < 1'000'000) {
        const unsigned minutes = random() % 1440;
        wchar_t entry[8];
        std::swprintf(entry, std::size(entry), L"%02u:%02u|", minutes / 60, minutes % 60);
        text += entry;
    }
    HistoryList list;
    SplitHistory(text, list);
    const HistoryList sorted = SortHistory(list);
    EXPECT_EQ(list.size(), text.size() / 6);
    EXPECT_EQ(JoinHistory(list), text);
    EXPECT_TRUE(std::is_sorted(sorted.begin(), sorted.end(),
                               [](const std::wstring& a, const std::wstring& b) { return OrdinalLess(a, b); }));
}
