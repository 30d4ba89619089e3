#include "framework/App.h"

#include <utility>
#include <vector>

#include "framework/Registry.h"
#include "framework/Wnd.h"

namespace {
CWinApp* g_app = nullptr;
}

CWinApp* AfxGetApp()
{
    return g_app;
}

CWnd* AfxGetMainWnd()
{
    return g_app ? g_app->m_pMainWnd : nullptr;
}

CWinApp::CWinApp(std::wstring programName) : m_strProgramName(std::move(programName))
{
    g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this) g_app = nullptr;
}

std::wstring ApplicationNameFromPath(const std::wstring& path)
{
    const size_t folderEnd = path.find_last_of(L"\\/:");
    std::wstring name = folderEnd == std::wstring::npos ? path : path.substr(folderEnd + 1);
    if (const size_t dot = name.find_last_of(L'.'); dot != std::wstring::npos && dot > 0) name.resize(dot);
    return name;
}

BOOL CWinApp::InitInstance()
{
    m_hInstance = ::GetModuleHandleW(nullptr);
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            m_strAppName = ApplicationNameFromPath(std::wstring(path.data(), length));
            break;
        }
        path.resize(path.size() * 2);
    }
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return m_nExitCode;
}

int CWinApp::Run()
{
    MSG msg{};
    for (;;) {
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) break;
        if (!CWnd::WalkPreTranslateTree(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    m_nExitCode = msg.message == WM_QUIT ? static_cast<int>(msg.wParam) : 0;
    return ExitInstance();
}

HMENU AfxLoadMenu(UINT id)
{
    return ::LoadMenuIndirectW(static_cast<const MENUTEMPLATEW*>(AfxGetApp()->FindResourceData(RT_MENU, id)));
}

void CWinApp::SetRegistryKey(const std::wstring& company)
{
    m_strRegistryKey = company;
}

std::wstring CWinApp::SectionKeyPath(const std::wstring& section) const
{
    return L"Software\\" + m_strRegistryKey + L"\\" + m_strAppName + L"\\" + section;
}

int CWinApp::GetProfileInt(const std::wstring& section, const std::wstring& entry, int defaultValue) const
{
    const RegistryKey key = RegistryKey::OpenForReading(HKEY_CURRENT_USER, SectionKeyPath(section));
    const std::optional<DWORD> value = key.ReadDword(entry);
    return value ? static_cast<int>(*value) : defaultValue;
}

std::wstring CWinApp::GetProfileString(const std::wstring& section, const std::wstring& entry,
                                       const std::wstring& defaultValue) const
{
    const RegistryKey key = RegistryKey::OpenForReading(HKEY_CURRENT_USER, SectionKeyPath(section));
    return key.ReadString(entry).value_or(defaultValue);
}

BOOL CWinApp::WriteProfileInt(const std::wstring& section, const std::wstring& entry, int value) const
{
    const RegistryKey key = RegistryKey::OpenForWriting(HKEY_CURRENT_USER, SectionKeyPath(section));
    return key.WriteDword(entry, static_cast<DWORD>(value));
}

BOOL CWinApp::WriteProfileString(const std::wstring& section, const std::wstring& entry,
                                 const std::wstring& value) const
{
    const RegistryKey key = RegistryKey::OpenForWriting(HKEY_CURRENT_USER, SectionKeyPath(section));
    return key.WriteString(entry, value);
}

int AfxMessageBox(const std::wstring& text, UINT type)
{
    if (!(type & MB_ICONMASK)) type |= MB_ICONEXCLAMATION;
    const CWnd* main = AfxGetMainWnd();
    HWND owner = main && main->m_hWnd && ::IsWindowVisible(main->m_hWnd) ? main->m_hWnd : nullptr;
    const std::wstring caption = AfxGetApp() ? AfxGetApp()->m_strAppName : std::wstring();
    return ::MessageBoxW(owner, text.c_str(), caption.c_str(), type);
}
