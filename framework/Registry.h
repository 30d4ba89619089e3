#pragma once
// An open registry key, closed with its owner.
#include <windows.h>

#include <optional>
#include <string>

class RegistryKey {
public:
    // Opens an existing key for reading; IsOpen() is false when it does not exist.
    static RegistryKey OpenForReading(HKEY root, const std::wstring& path);
    // Opens a key for writing, creating it and the keys above it as needed.
    static RegistryKey OpenForWriting(HKEY root, const std::wstring& path);

    RegistryKey(RegistryKey&& other) noexcept : m_key(other.m_key) { other.m_key = nullptr; }
    RegistryKey& operator=(RegistryKey&&) = delete;
    ~RegistryKey();

    bool IsOpen() const { return m_key != nullptr; }

    // Values of the wrong type, or of an impossible size, read as missing.
    std::optional<DWORD> ReadDword(const std::wstring& name) const;
    std::optional<std::wstring> ReadString(const std::wstring& name) const;
    bool WriteDword(const std::wstring& name, DWORD value) const;
    bool WriteString(const std::wstring& name, const std::wstring& value) const;

private:
    explicit RegistryKey(HKEY key) : m_key(key) {}
    HKEY m_key = nullptr;
};
