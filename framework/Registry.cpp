#include "framework/Registry.h"

#include <algorithm>
#include <vector>

RegistryKey RegistryKey::OpenForReading(HKEY root, const std::wstring& path)
{
    HKEY key = nullptr;
    if (::RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) key = nullptr;
    return RegistryKey(key);
}

RegistryKey RegistryKey::OpenForWriting(HKEY root, const std::wstring& path)
{
    HKEY key = nullptr;
    if (::RegCreateKeyExW(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE | KEY_READ, nullptr, &key,
                          nullptr) != ERROR_SUCCESS)
        key = nullptr;
    return RegistryKey(key);
}

RegistryKey::~RegistryKey()
{
    if (m_key) ::RegCloseKey(m_key);
}

std::optional<DWORD> RegistryKey::ReadDword(const std::wstring& name) const
{
    if (!m_key) return std::nullopt;
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    if (::RegQueryValueExW(m_key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof value)
        return std::nullopt;
    return value;
}

std::optional<std::wstring> RegistryKey::ReadString(const std::wstring& name) const
{
    if (!m_key) return std::nullopt;
    DWORD type = 0;
    DWORD size = 0;
    if (::RegQueryValueExW(m_key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS || type != REG_SZ)
        return std::nullopt;
    // The value may grow between the calls; ask again with a bigger buffer until it fits.
    for (;;) {
        std::vector<wchar_t> buffer((size + sizeof(wchar_t) - 1) / sizeof(wchar_t) + 1, L'\0');
        DWORD bufferSize = static_cast<DWORD>((buffer.size() - 1) * sizeof(wchar_t));
        const LONG status = ::RegQueryValueExW(m_key, name.c_str(), nullptr, &type,
                                               reinterpret_cast<BYTE*>(buffer.data()), &bufferSize);
        if (status == ERROR_MORE_DATA) {
            size = std::max<DWORD>(bufferSize, size + sizeof(wchar_t));
            continue;
        }
        if (status != ERROR_SUCCESS || type != REG_SZ) return std::nullopt;
        // A stored string need not end with a terminator, nor stop at its first one.
        std::wstring text(buffer.data(), bufferSize / sizeof(wchar_t));
        if (const size_t end = text.find(L'\0'); end != std::wstring::npos) text.resize(end);
        return text;
    }
}

bool RegistryKey::WriteDword(const std::wstring& name, DWORD value) const
{
    return m_key && ::RegSetValueExW(m_key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                                     sizeof value) == ERROR_SUCCESS;
}

bool RegistryKey::WriteString(const std::wstring& name, const std::wstring& value) const
{
    const DWORD size = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    return m_key && ::RegSetValueExW(m_key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                     size) == ERROR_SUCCESS;
}
