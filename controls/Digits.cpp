#include "controls/Digits.h"

int DigitOfKey(unsigned virtualKey)
{
    constexpr unsigned kMainRowZero = 0x30;
    constexpr unsigned kKeypadZero = 0x60;
    if (virtualKey >= kMainRowZero && virtualKey <= kMainRowZero + kHighestDigit)
        return static_cast<int>(virtualKey - kMainRowZero);
    if (virtualKey >= kKeypadZero && virtualKey <= kKeypadZero + kHighestDigit)
        return static_cast<int>(virtualKey - kKeypadZero);
    return kNoDigit;
}

bool IsAllowedDigit(int digit, int maxDigit)
{
    return digit == 0 || digit <= maxDigit;
}
