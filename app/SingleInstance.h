#pragma once
// One running copy per program name and user: the first copy to start claims the name and publishes its main
// panel; a later copy finds that panel, asks it to show itself and ends without touching anything.
#include <windows.h>

#include <string>

#include "framework/Handle.h"

class SingleInstance {
public:
    // Claims the program name (the application name) for this user in this session. False only when another
    // copy holds it; a claim that cannot be made at all lets the program run as it would without one.
    bool Claim(const std::wstring& appName);
    // In the copy that holds the claim: makes its main panel known to later copies.
    void Publish(HWND mainPanel);
    // In a later copy: shows the running copy's main panel, as its "メインパネル" command does, and brings it to
    // the front. Gives up quietly when that copy does not answer.
    void ShowRunningCopy() const;

private:
    // The name of the shared slot that holds the main panel's window handle.
    static std::wstring SlotName(const std::wstring& appName);
    HWND WaitForPublishedPanel() const;

    OwnedHandle m_slot;
    volatile LONG64* m_pPanel = nullptr;
    bool m_bClaimed = false;
};
