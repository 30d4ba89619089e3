#include "tests/wine/NotifyIconSpy.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace {
std::vector<NotifyCall> g_calls;
std::map<DWORD, int> g_failuresLeft;

BOOL WINAPI RecordNotifyIcon(DWORD message, PNOTIFYICONDATAW data)
{
    int& failuresLeft = g_failuresLeft[message];
    const bool succeeded = failuresLeft == 0;
    if (!succeeded) --failuresLeft;
    NotifyCall call{message, {}, succeeded};
    std::memcpy(&call.data, data, std::min<size_t>(data->cbSize, sizeof call.data));
    g_calls.push_back(call);
    return succeeded;
}
}  // namespace

NotifyIconSpy::NotifyIconSpy() : m_patch("shell32.dll", "Shell_NotifyIconW", reinterpret_cast<void*>(&RecordNotifyIcon))
{
    g_calls.clear();
    g_failuresLeft.clear();
}

std::vector<NotifyCall>& NotifyIconSpy::Calls()
{
    return g_calls;
}

void NotifyIconSpy::Fail(DWORD message, int times)
{
    g_failuresLeft[message] = times;
}

int NotifyIconSpy::CountOf(DWORD message)
{
    return static_cast<int>(
        std::count_if(g_calls.begin(), g_calls.end(), [message](const NotifyCall& c) { return c.message == message; }));
}
