#pragma once
// The message loop's work as a test does it between its steps, for the program's tests and the framework's alike.
#include <windows.h>

#include <vector>

// Handles every message already waiting for this thread, as the program's message loop would.
void PumpMessages();
// Keeps handling messages for the given time.
void PumpMessagesFor(DWORD milliseconds);

// The top-level windows of this thread.
std::vector<HWND> ThreadWindows();
