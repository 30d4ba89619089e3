#include "app/History.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace {

constexpr wchar_t kSeparator = L'|';

// Reads a wide string as UTF-16 code units. Where wchar_t holds whole code points, those above U+FFFF come
// out as their surrogate pairs; values beyond U+10FFFF have no UTF-16 form and come out as they are.
class CodeUnitReader {
public:
    explicit CodeUnitReader(std::wstring_view text) : m_text(text) {}

    bool AtEnd() const { return m_pendingTrail == 0 && m_pos == m_text.size(); }

    std::uint32_t Next()
    {
        if (m_pendingTrail != 0) {
            return std::exchange(m_pendingTrail, 0u);
        }
        // NOLINTNEXTLINE(bugprone-signed-char-misuse): a negative wchar_t (Linux) is beyond U+10FFFF, kept as is
        const auto codePoint = static_cast<std::uint32_t>(m_text[m_pos++]);
        if (codePoint <= 0xFFFF || codePoint > 0x10FFFF) {
            return codePoint;
        }
        const std::uint32_t offset = codePoint - 0x10000;
        m_pendingTrail = 0xDC00 + (offset & 0x3FF);
        return 0xD800 + (offset >> 10);
    }

private:
    std::wstring_view m_text;
    std::size_t m_pos = 0;
    std::uint32_t m_pendingTrail = 0;
};

}  // namespace

void SplitHistory(std::wstring_view text, HistoryList& list)
{
    list.clear();
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find(kSeparator, start), text.size());
        if (end > start) {
            list.emplace_back(text.substr(start, end - start));
        }
        start = end + 1;
    }
}

std::wstring JoinHistory(const HistoryList& list)
{
    std::wstring text;
    for (const std::wstring& entry : list) {
        text += entry;
        text += kSeparator;
    }
    return text;
}

void AddHistoryEntry(HistoryList& list, const std::wstring& entry)
{
    if (const auto equal = std::find(list.begin(), list.end(), entry); equal != list.end()) {
        list.erase(equal);
    }
    list.push_front(entry);
    if (list.size() > kHistoryLimit) {
        list.pop_back();
    }
}

void RemoveHistoryEntries(HistoryList& list, const std::vector<std::wstring>& removed)
{
    for (const std::wstring& text : removed) {
        if (const auto equal = std::find(list.begin(), list.end(), text); equal != list.end()) {
            list.erase(equal);
        }
    }
}

HistoryList SortHistory(const HistoryList& list)
{
    HistoryList sorted = list;
    // A stable merge sort: the same result as inserting each entry before the first greater one.
    sorted.sort([](const std::wstring& a, const std::wstring& b) { return OrdinalLess(a, b); });
    return sorted;
}

bool OrdinalLess(std::wstring_view a, std::wstring_view b)
{
    // An equal run of wide characters is an equal run of code units, so only the rest needs reading.
    const auto [restOfA, restOfB] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    CodeUnitReader unitsOfA(a.substr(static_cast<std::size_t>(restOfA - a.begin())));
    CodeUnitReader unitsOfB(b.substr(static_cast<std::size_t>(restOfB - b.begin())));
    while (!unitsOfA.AtEnd() && !unitsOfB.AtEnd()) {
        const std::uint32_t unitOfA = unitsOfA.Next();
        const std::uint32_t unitOfB = unitsOfB.Next();
        if (unitOfA != unitOfB) {
            return unitOfA < unitOfB;
        }
    }
    return unitsOfA.AtEnd() && !unitsOfB.AtEnd();
}
