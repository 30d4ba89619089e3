#pragma once
// Stands between the program and the notification area while it lives: records every record the program hands
// to Shell_NotifyIconW, and tells the program that the call succeeded.
#include <windows.h>
// (after windows.h)
#include <shellapi.h>

#include <vector>

#include "tests/wine/ImportPatch.h"

struct NotifyCall {
    DWORD message;
    NOTIFYICONDATAW data;
};

class NotifyIconSpy {
public:
    NotifyIconSpy();
    bool IsApplied() const { return m_patch.IsApplied(); }
    std::vector<NotifyCall>& Calls();

private:
    ImportPatch m_patch;
};
