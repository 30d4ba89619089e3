#include "mainpanel/TrayIcon.h"

#include "framework/Report.h"
#include "res/resource.h"

namespace {
constexpr UINT_PTR kRetryTimerId = 0x7A1;
constexpr UINT kRetryMilliseconds = 2000;
constexpr int kRetries = 30;
// Version 4 and the tip flag need the whole record; with a shorter one the shell falls back to version 0.
constexpr UINT kImageFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP;
constexpr UINT kTipFlags = NIF_TIP | NIF_SHOWTIP;
}  // namespace

OwnedIcon TrayIcon::SmallProgramIcon(UINT id)
{
    const int size = ::GetSystemMetrics(SM_CXSMICON);
    return OwnedIcon(
        static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0)));
}

TrayIcon::TrayIcon(UINT callbackMessage) : m_image(SmallProgramIcon(IDI_IDLE))
{
    m_nid.cbSize = sizeof m_nid;
    m_nid.uCallbackMessage = callbackMessage;
    m_nid.hIcon = m_image.Get();
}

bool TrayIcon::Notify(DWORD message, UINT flags, const wchar_t* what)
{
    m_nid.uFlags = flags;
    if (!::Shell_NotifyIconW(message, &m_nid)) return ReportFailure(what, Failure::Handled);
    if (flags & NIF_TIP) m_strTipShown = m_nid.szTip;
    return true;
}

void TrayIcon::SetTip(const std::wstring& tip)
{
    wcsncpy_s(m_nid.szTip, tip.c_str(), _TRUNCATE);
}

bool TrayIcon::Add(HWND owner, const std::wstring& tip)
{
    m_bRemoved = false;
    m_nid.hWnd = owner;
    SetTip(tip);
    m_bVersionSet = false;
    if (TryAdd()) {
        m_nRetriesLeft = 0;
        ::KillTimer(owner, kRetryTimerId);
        return true;
    }
    m_nRetriesLeft = kRetries;
    ::SetTimer(owner, kRetryTimerId, kRetryMilliseconds, nullptr);
    return false;
}

// An add that timed out may have added the icon all the same: then the shell takes a change of it.
bool TrayIcon::TryAdd()
{
    if (!Notify(NIM_ADD, kImageFlags, L"Adding the notification-area icon") &&
        !Notify(NIM_MODIFY, kImageFlags, L"Finding the notification-area icon after a failed add"))
        return false;
    SetVersion();
    return true;
}

bool TrayIcon::SetVersion()
{
    m_nid.uVersion = NOTIFYICON_VERSION_4;
    m_bVersionSet = Notify(NIM_SETVERSION, 0, L"Setting the notification-area icon's version");
    return m_bVersionSet;
}

bool TrayIcon::OnTimer(UINT_PTR timerId)
{
    if (timerId != kRetryTimerId) return false;
    if (m_nRetriesLeft > 0 && !TryAdd())
        --m_nRetriesLeft;
    else
        m_nRetriesLeft = 0;
    if (m_nRetriesLeft == 0) ::KillTimer(m_nid.hWnd, kRetryTimerId);
    return true;
}

bool TrayIcon::ShowLook(bool active, const std::wstring& tip)
{
    SetTip(tip);
    OwnedIcon next = SmallProgramIcon(active ? IDI_ACTIVE : IDI_IDLE);
    m_nid.hIcon = next.Get();
    // The shell keeps a copy of the image; the one it replaced goes, so that handles do not pile up.
    m_image = std::move(next);
    return IsAddPending() || Modify(kImageFlags, L"Changing the notification-area icon's image");
}

bool TrayIcon::ShowTip(const std::wstring& tip)
{
    SetTip(tip);
    if (m_strTipShown == m_nid.szTip) return true;
    return IsAddPending() || Modify(kTipFlags, L"Changing the notification-area icon's tip");
}

// A version that the shell did not take at the add is asked for again with every change. A removed icon takes none:
// a notice may close after the icon has gone with the session.
bool TrayIcon::Modify(UINT flags, const wchar_t* what)
{
    if (m_bRemoved) return false;
    if (!m_bVersionSet) SetVersion();
    return Notify(NIM_MODIFY, flags, what);
}

bool TrayIcon::ShowNotification(const std::wstring& title, const std::wstring& text)
{
    wcsncpy_s(m_nid.szInfoTitle, title.c_str(), _TRUNCATE);
    wcsncpy_s(m_nid.szInfo, text.c_str(), _TRUNCATE);
    m_nid.dwInfoFlags = NIIF_INFO | NIIF_NOSOUND | NIIF_RESPECT_QUIET_TIME;
    return IsAddPending() || Modify(NIF_INFO, L"Showing a notice as the notification-area icon's notification");
}

// An empty text takes the notification away.
bool TrayIcon::ClearNotification()
{
    m_nid.szInfo[0] = L'\0';
    return IsAddPending() || Modify(NIF_INFO, L"Taking the notification-area icon's notification away");
}

bool TrayIcon::GiveFocusBack()
{
    return Notify(NIM_SETFOCUS, 0, L"Giving the focus back to the notification area");
}

bool TrayIcon::Remove()
{
    m_bRemoved = true;
    ::KillTimer(m_nid.hWnd, kRetryTimerId);
    return Notify(NIM_DELETE, 0, L"Removing the notification-area icon");
}
