#include "app/History.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

HistoryList Loaded(std::wstring_view text)
{
    HistoryList list{L"stale"};
    SplitHistory(text, list);
    return list;
}

// The sorting procedure as the program's users know it: each entry goes before the first greater one.
HistoryList InsertionSorted(const HistoryList& list)
{
    HistoryList result;
    for (const std::wstring& entry : list) {
        auto position = result.begin();
        while (position != result.end() && !OrdinalLess(entry, *position)) {
            ++position;
        }
        result.insert(position, entry);
    }
    return result;
}

HistoryList Numbered(int count)
{
    HistoryList list;
    for (int i = 0; i < count; ++i) {
        list.push_back(L"e" + std::to_wstring(i));
    }
    return list;
}

}  // namespace

TEST(SplitHistory, SeparatorsNeverYieldEntries)
{
    EXPECT_TRUE(Loaded(L"").empty());
    EXPECT_TRUE(Loaded(L"|||").empty());
    const HistoryList expected{L"07:30", L"06:45"};
    EXPECT_EQ(Loaded(L"07:30|06:45|"), expected);
    EXPECT_EQ(Loaded(L"07:30||06:45"), expected);
    EXPECT_EQ(Loaded(L"|07:30|06:45|"), expected);
}

TEST(SplitHistory, KeepsAnyTextBetweenSeparators)
{
    const std::wstring longEntry(5000, L'9');
    const HistoryList expected{L" x ", L"\u6642:\U0001F600", longEntry, L"7"};
    EXPECT_EQ(Loaded(L" x |\u6642:\U0001F600||" + longEntry + L"|7"), expected);
}

TEST(JoinHistory, EachEntryFollowedBySeparatorAndLoadsBack)
{
    EXPECT_EQ(JoinHistory({}), L"");
    const HistoryList list{L"07:30", L"06:45"};
    EXPECT_EQ(JoinHistory(list), L"07:30|06:45|");
    EXPECT_EQ(Loaded(JoinHistory(list)), list);
}

TEST(AddHistoryEntry, MovesAnEqualEntryToTheHead)
{
    HistoryList list{L"07:30", L"06:45", L"05:00"};
    AddHistoryEntry(list, L"06:45");
    EXPECT_EQ(list, (HistoryList{L"06:45", L"07:30", L"05:00"}));
    AddHistoryEntry(list, L"04:00");
    EXPECT_EQ(list, (HistoryList{L"04:00", L"06:45", L"07:30", L"05:00"}));
}

TEST(AddHistoryEntry, DropsTheOldestBeyondTheLimit)
{
    HistoryList full = Numbered(kHistoryLimit);
    AddHistoryEntry(full, L"new");
    ASSERT_EQ(full.size(), kHistoryLimit);
    EXPECT_EQ(full.front(), L"new");
    EXPECT_EQ(full.back(), L"e14");

    // A longer list loaded from the store loses one entry per new time and keeps its length otherwise.
    HistoryList loaded = Numbered(20);
    AddHistoryEntry(loaded, L"new");
    EXPECT_EQ(loaded.size(), 20u);
    AddHistoryEntry(loaded, L"e3");
    EXPECT_EQ(loaded.size(), 19u);
    EXPECT_EQ(loaded.front(), L"e3");
    EXPECT_EQ(loaded.back(), L"e17");
}

TEST(RemoveHistoryEntries, RemovesFirstEqualEntryPerTextAndSkipsUnknown)
{
    HistoryList list{L"07:30", L"06:45", L"07:30", L"05:00"};
    RemoveHistoryEntries(list, {L"07:30", L"09:99", L"05:00"});
    EXPECT_EQ(list, (HistoryList{L"06:45", L"07:30"}));
    RemoveHistoryEntries(list, {L"07:30", L"06:45", L"06:45"});
    EXPECT_TRUE(list.empty());
}

TEST(OrdinalLess, ComparesCodeUnitsWithPrefixSmaller)
{
    EXPECT_TRUE(OrdinalLess(L"07:30", L"23:00"));
    EXPECT_FALSE(OrdinalLess(L"23:00", L"07:30"));
    EXPECT_FALSE(OrdinalLess(L"07:30", L"07:30"));
    EXPECT_TRUE(OrdinalLess(L"", L"0"));
    EXPECT_TRUE(OrdinalLess(L"07", L"07:30"));
    EXPECT_FALSE(OrdinalLess(L"07:30", L"07"));
    EXPECT_TRUE(OrdinalLess(L"Z", L"a"));  // case matters
}

TEST(OrdinalLess, CharactersAboveFFFFSortAsTheirSurrogates)
{
    EXPECT_TRUE(OrdinalLess(L"\uD7FF", L"\U00010000"));
    EXPECT_TRUE(OrdinalLess(L"\U0010FFFF", L"\uE000"));
    EXPECT_TRUE(OrdinalLess(L"\U0001F600", L"\uFFFF"));
    EXPECT_TRUE(OrdinalLess(L"a\U00010000", L"a\uFF10"));
    EXPECT_TRUE(OrdinalLess(L"\U00010000", L"\U0001F600"));
    EXPECT_FALSE(OrdinalLess(L"\U0001F600", L"\U00010000"));
}

TEST(SortHistory, SortsACopyByTime)
{
    const HistoryList stored{L"07:30", L"23:00", L"00:15"};
    EXPECT_EQ(SortHistory(stored), (HistoryList{L"00:15", L"07:30", L"23:00"}));
    EXPECT_EQ(stored, (HistoryList{L"07:30", L"23:00", L"00:15"}));
    EXPECT_TRUE(SortHistory({}).empty());
}

TEST(SortHistory, MatchesInsertionProcedureOnRandomLists)
{
    // Few distinct characters make many equal entries and shared prefixes; on a 16-bit wchar_t the
    // surrogates here pair up, elsewhere they stand alone beside whole code points.
    const std::vector<std::wstring> pieces{L"0", L"9", L":", {wchar_t(0xD800)}, {wchar_t(0xDC00)},
                                           L"\U00010000", L"\uFF10", L"\uE000", L"\uD7FF"};
    std::mt19937 random(20240517);
    for (int round = 0; round < 20; ++round) {
        HistoryList list;
        for (int i = 0; i < 300; ++i) {
            std::wstring entry;
            for (int length = static_cast<int>(random() % 4); length > 0; --length) {
                entry += pieces[random() % pieces.size()];
            }
            list.push_back(entry.empty() ? L"0" : entry);
        }
        EXPECT_EQ(SortHistory(list), InsertionSorted(list));
    }
}

TEST(SortHistory, KeepsTheOrderOfEquivalentEntries)
{
    if constexpr (sizeof(wchar_t) == 4) {
        // U+10000 and its surrogates as two separate wide characters are the same code units but not the
        // same string, which makes the order of equal entries visible.
        const std::wstring whole = L"\U00010000";
        const std::wstring pair = std::wstring{wchar_t(0xD800)} + wchar_t(0xDC00);
        const HistoryList list{pair, L"\uFFFF", whole, L"\uD7FF", pair};
        EXPECT_EQ(SortHistory(list), (HistoryList{L"\uD7FF", pair, whole, pair, L"\uFFFF"}));
    } else {
        GTEST_SKIP() << "equal code units are equal strings here";
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
    EXPECT_EQ(sorted.size(), list.size());
    EXPECT_TRUE(std::is_sorted(sorted.begin(), sorted.end(),
                               [](const std::wstring& a, const std::wstring& b) { return OrdinalLess(a, b); }));
    EXPECT_EQ(JoinHistory(list), text);
}
