#pragma once
// The lists of recently used times and their stored text form.

#include <cstddef>
#include <list>
#include <string>
#include <string_view>
#include <vector>

// Most recent entry first.
using HistoryList = std::list<std::wstring>;

// The most entries a list keeps after an entry is added; a list loaded from the store may hold more.
inline constexpr std::size_t kHistoryLimit = 16;

// Empties the list, then fills it with the entries of a stored text, head first. Separators never yield an
// empty entry; the entries are not otherwise checked.
void SplitHistory(std::wstring_view text, HistoryList& list);

// The stored text of a list: each entry, head first, followed by the separator.
std::wstring JoinHistory(const HistoryList& list);

// Moves an equal entry to the head or puts a new one there, then drops the last entry beyond the limit.
void AddHistoryEntry(HistoryList& list, const std::wstring& entry);

// Removes the first entry equal to each removed text, in the order given; texts without an equal entry are
// skipped.
void RemoveHistoryEntries(HistoryList& list, const std::vector<std::wstring>& removed);

// A copy in ascending ordinal order; equal entries keep their order.
HistoryList SortHistory(const HistoryList& list);

// Ordinal order of the UTF-16 code units, also where wchar_t holds whole code points: the first differing
// code unit decides, and a proper prefix is smaller.
bool OrdinalLess(std::wstring_view a, std::wstring_view b);
