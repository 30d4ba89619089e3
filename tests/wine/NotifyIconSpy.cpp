#include "tests/wine/NotifyIconSpy.h"

#include <algorithm>
#include <cstring>

namespace {
std::vector<NotifyCall> g_calls;

BOOL WINAPI RecordNotifyIcon(DWORD message, PNOTIFYICONDATAW data)
{
    NotifyCall call{message, {}};
    std::memcpy(&call.data, data, std::min<size_t>(data->cbSize, sizeof call.data));
    g_calls.push_back(call);
    return TRUE;
}
}  // namespace

NotifyIconSpy::NotifyIconSpy() : m_patch("shell32.dll", "Shell_NotifyIconW", reinterpret_cast<void*>(&RecordNotifyIcon))
{
    g_calls.clear();
}

std::vector<NotifyCall>& NotifyIconSpy::Calls()
{
    return g_calls;
}
