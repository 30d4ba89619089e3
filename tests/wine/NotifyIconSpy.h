#pragma once
// Stands between the program and the notification area while it lives: records every record the program hands
// to Shell_NotifyIconW, and answers as the shell would, or with a failure where the test asks for one.
#include <windows.h>
// (after windows.h)
#include <shellapi.h>

#include <vector>

#include "tests/wine/ImportPatch.h"

struct NotifyCall {
    DWORD message;
    NOTIFYICONDATAW data;
    bool succeeded;
};

class NotifyIconSpy {
public:
    NotifyIconSpy();
    bool IsApplied() const { return m_patch.IsApplied(); }
    std::vector<NotifyCall>& Calls();
    // The next calls with this message fail, as the shell's may while Explorer is still starting.
    static void Fail(DWORD message, int times);
    // The calls of one kind made so far.
    static int CountOf(DWORD message);

private:
    ImportPatch m_patch;
};
