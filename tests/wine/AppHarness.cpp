#include "tests/wine/AppHarness.h"

#include "app/HourgladeApp.h"
#include "app/Settings.h"
#include "framework/Registry.h"
#include "mainpanel/MainDlg.h"

std::wstring TestAppName()
{
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    return ApplicationNameFromPath(path);
}

std::wstring SettingsKeyPath(const std::wstring& appName)
{
    return std::wstring(L"Software\\") + kRegistryCompany + L"\\" + appName + L"\\" + kSettingsSection;
}

namespace store {

void Clear(const std::wstring& appName)
{
    const std::wstring path = std::wstring(L"Software\\") + kRegistryCompany + L"\\" + appName;
    ::RegDeleteTreeW(HKEY_CURRENT_USER, path.c_str());
    ::RegDeleteKeyW(HKEY_CURRENT_USER, path.c_str());
}

bool KeyExists(const std::wstring& appName)
{
    const std::wstring path = std::wstring(L"Software\\") + kRegistryCompany + L"\\" + appName;
    return RegistryKey::OpenForReading(HKEY_CURRENT_USER, path).IsOpen();
}

std::optional<std::wstring> ReadString(const wchar_t* name, const std::wstring& appName)
{
    return RegistryKey::OpenForReading(HKEY_CURRENT_USER, SettingsKeyPath(appName)).ReadString(name);
}

std::optional<DWORD> ReadDword(const wchar_t* name, const std::wstring& appName)
{
    return RegistryKey::OpenForReading(HKEY_CURRENT_USER, SettingsKeyPath(appName)).ReadDword(name);
}

void WriteString(const wchar_t* name, const std::wstring& value, const std::wstring& appName)
{
    ASSERT_TRUE(RegistryKey::OpenForWriting(HKEY_CURRENT_USER, SettingsKeyPath(appName)).WriteString(name, value));
}

void WriteDword(const wchar_t* name, DWORD value, const std::wstring& appName)
{
    ASSERT_TRUE(RegistryKey::OpenForWriting(HKEY_CURRENT_USER, SettingsKeyPath(appName)).WriteDword(name, value));
}

void WriteRaw(const wchar_t* name, DWORD type, const void* data, DWORD size)
{
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, SettingsKeyPath().c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                                nullptr),
              ERROR_SUCCESS);
    ::RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size);
    ::RegCloseKey(key);
}

}  // namespace store

void AppTest::StartApp()
{
    ASSERT_TRUE(theApp.InitInstance());
    m_started = true;
}

void AppTest::EndApp()
{
    if (!m_started) return;
    m_started = false;
    if (theApp.m_pMainWnd && theApp.m_pMainWnd->m_hWnd) ::DestroyWindow(theApp.m_pMainWnd->m_hWnd);
    PumpMessages();
    theApp.ExitInstance();
}
