#include "app/SingleInstance.h"

#include <sddl.h>

#include <memory>

#include "app/Settings.h"
#include "res/resource.h"

namespace {
// The user's security identifier as text ("S-1-5-21-..."), empty when it cannot be read.
std::wstring CurrentUserSid()
{
    OwnedHandle token;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, token.Receive())) return {};
    DWORD size = 0;
    ::GetTokenInformation(token.Get(), TokenUser, nullptr, 0, &size);
    auto buffer = std::make_unique<BYTE[]>(size);
    if (!::GetTokenInformation(token.Get(), TokenUser, buffer.get(), size, &size)) return {};
    wchar_t* text = nullptr;
    if (!::ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(buffer.get())->User.Sid, &text)) return {};
    std::wstring sid = text;
    ::LocalFree(text);
    return sid;
}

// How long a later copy waits for a copy that is still starting to publish its main panel, and for that panel
// to answer.
constexpr DWORD kPublishWaitMs = 10000;
constexpr DWORD kPublishPollMs = 50;
constexpr UINT kAnswerWaitMs = 5000;
}  // namespace

std::wstring SingleInstance::SlotName(const std::wstring& appName)
{
    // File names, and with them the registry keys they choose, are the same in any case; object names are not.
    std::wstring name = appName;
    ::CharLowerBuffW(name.data(), static_cast<DWORD>(name.size()));
    // Local\ keeps the claim within the session, where the running copy's windows can be reached.
    return std::wstring(L"Local\\") + kRegistryCompany + L"." + name + L"." + CurrentUserSid();
}

bool SingleInstance::Claim(const std::wstring& appName)
{
    if (m_bClaimed) return true;
    const std::wstring name = SlotName(appName);
    *m_slot.Receive() =
        ::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(LONG64), name.c_str());
    const bool existed = ::GetLastError() == ERROR_ALREADY_EXISTS;
    if (!m_slot.Get()) return true;
    m_pPanel = static_cast<volatile LONG64*>(::MapViewOfFile(m_slot.Get(), FILE_MAP_WRITE, 0, 0, sizeof(LONG64)));
    // The view stays mapped for the life of the process, as does the claim.
    if (!m_pPanel) return true;
    m_bClaimed = !existed;
    return m_bClaimed;
}

void SingleInstance::Publish(HWND mainPanel)
{
    if (m_bClaimed) ::InterlockedExchange64(m_pPanel, reinterpret_cast<LONG64>(mainPanel));
}

HWND SingleInstance::WaitForPublishedPanel() const
{
    for (DWORD waited = 0; waited < kPublishWaitMs; waited += kPublishPollMs) {
        if (const LONG64 panel = ::InterlockedCompareExchange64(m_pPanel, 0, 0)) return reinterpret_cast<HWND>(panel);
        ::Sleep(kPublishPollMs);
    }
    return nullptr;
}

void SingleInstance::ShowRunningCopy() const
{
    if (!m_pPanel) return;
    const HWND panel = WaitForPublishedPanel();
    if (!panel || !::IsWindow(panel)) return;
    // This copy was just started by the user, so it may hand the foreground on to the running one.
    DWORD process = 0;
    ::GetWindowThreadProcessId(panel, &process);
    ::AllowSetForegroundWindow(process);
    DWORD_PTR result = 0;
    if (::SendMessageTimeoutW(panel, WM_COMMAND, MAKEWPARAM(ID_MENU_MAINPANEL, 0), 0, SMTO_ABORTIFHUNG, kAnswerWaitMs,
                              &result))
        ::SetForegroundWindow(panel);
}
