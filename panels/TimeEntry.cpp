#include "panels/TimeEntry.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

bool IsWhiteSpace(wchar_t c)
{
    return c == L' ' || (c >= L'\t' && c <= L'\r');
}

bool IsDigit(wchar_t c)
{
    return c >= L'0' && c <= L'9';
}

std::wstring CharacterAt(std::wstring_view text, std::size_t position)
{
    return position < text.size() ? std::wstring(1, text[position]) : std::wstring();
}

}  // namespace

int ParseLeadingInt(std::wstring_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && IsWhiteSpace(text[pos])) {
        ++pos;
    }
    const bool negative = pos < text.size() && text[pos] == L'-';
    if (pos < text.size() && (text[pos] == L'-' || text[pos] == L'+')) {
        ++pos;
    }
    // Gathered as a magnitude that stops growing just past the int range, so that it cannot overflow.
    constexpr std::int64_t kBeyondRange = std::int64_t{INT_MAX} + 2;
    std::int64_t magnitude = 0;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
        magnitude = std::min(magnitude * 10 + (text[pos] - L'0'), kBeyondRange);
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

std::optional<std::wstring> PresetEntry(const HistoryList& history, PresetRule rule, std::wstring_view minuteOfDay)
{
    if (history.empty()) {
        return std::nullopt;
    }
    if (rule == PresetRule::MostRecent) {
        return history.front();
    }
    const HistoryList sorted = SortHistory(history);
    const auto upcoming = std::find_if(sorted.begin(), sorted.end(), [minuteOfDay](const std::wstring& entry) {
        return OrdinalLess(minuteOfDay, entry);
    });
    return upcoming != sorted.end() ? *upcoming : sorted.front();
}

std::array<std::wstring, 4> DigitsOfEntry(std::wstring_view entry)
{
    return {CharacterAt(entry, 0), CharacterAt(entry, 1), CharacterAt(entry, 3), CharacterAt(entry, 4)};
}

std::wstring EntryOfDigits(const std::array<std::wstring, 4>& digits)
{
    return digits[0] + digits[1] + L':' + digits[2] + digits[3];
}

std::size_t FocusAfter(FieldMove move, std::size_t position)
{
    constexpr std::size_t kLastDigit = kSetPosition - 1;
    switch (move) {
    case FieldMove::Typed:
        return std::min(position + 1, kSetPosition);
    case FieldMove::Right:
        return std::min(position + 1, kLastDigit);
    case FieldMove::Left:
    case FieldMove::Back:
        break;
    }
    return position > 0 ? position - 1 : 0;
}
