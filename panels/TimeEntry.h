#pragma once
// The rules of the four-digit time field shared by the alarm, timer and power-off panels.

#include "app/History.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The integer at the start of a text as the C run-time's _wtoi reads it: white space, an optional sign, then
// decimal digits up to the first other character; 0 when there are none. Out-of-range values saturate.
int ParseLeadingInt(std::wstring_view text);

// Which history entry a panel shown from the menu puts into its idle time field.
enum class PresetRule {
    NextUpcoming,  // the first entry after the current minute of the day, else the earliest
    MostRecent,    // the head of the history
};

// The entry to preset, given the current local time as "HH:MM"; nullopt for an empty history.
std::optional<std::wstring> PresetEntry(const HistoryList& history, PresetRule rule, std::wstring_view minuteOfDay);

// The four digit texts of an entry: its characters 0, 1, 3 and 4, each empty where the entry is too short.
std::array<std::wstring, 4> DigitsOfEntry(std::wstring_view entry);

// The history entry of four digit texts: the first two, ":", the last two.
std::wstring EntryOfDigits(const std::array<std::wstring, 4>& digits);

// Keyboard focus in the time field: the four digit buttons are positions 0 to 3, the Set toggle comes after them.
inline constexpr std::size_t kSetPosition = 4;

enum class FieldMove {
    Typed,  // a digit was written into the button: on to the next one, after the last to Set
    Left,   // back one digit button, not past the first
    Right,  // on one digit button, not past the last
    Back,   // Backspace: as Left
};

// The position that gets the focus after a move from digit position 0 to 3.
std::size_t FocusAfter(FieldMove move, std::size_t position);
