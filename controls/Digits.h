#pragma once
// The digits of a time field's positions, which the digit picker offers and the keyboard types: which digits a
// position allows, and which digit a key stands for.

// The highest digit a position of the time field can hold.
inline constexpr int kHighestDigit = 9;
// No digit: a key that stands for none, or a pointer over no digit that may be chosen.
inline constexpr int kNoDigit = -1;

// The digit a key stands for, from its virtual-key code: '0' to '9' on the main row (0x30 to 0x39) and on the
// numeric keypad (0x60 to 0x69); kNoDigit for any other key.
int DigitOfKey(unsigned virtualKey);

// Whether a digit may go into a position whose highest digit is maxDigit; 0 always may.
bool IsAllowedDigit(int digit, int maxDigit);
