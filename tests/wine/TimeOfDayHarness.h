#pragma once
// What the tests of the alarm and the power-off panel share: moments on an ordinary day, and the panels set and
// ticked as the user and the window timer do.
#include <cstdint>

#include "panels/TimeOfDayDlg.h"
#include "tests/wine/TimeFieldHarness.h"

// Local times of day on an ordinary day and on the day after, so that tests hold in any time zone.
std::int64_t At(int hour, int minute, int second = 0);
std::int64_t Tomorrow(int hour, int minute);

// The alarm or the power-off panel.
TimeOfDayDlg& TimeOfDayObject(Panel panel);

// Puts a time into the digit buttons and clicks Set.
void SetAndStart(Panel panel, const DigitTexts& digits);
// A tick of the panel's window timer, as the timer delivers it.
void Tick(Panel panel);
