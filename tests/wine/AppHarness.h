#pragma once
// What the integration tests share: the stored values of this test program, the message pump, and a fixture that
// starts the real application object.
#include <windows.h>

#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "tests/wine/MessagePump.h"

// The application name of this test program (its file name without extension) and its settings key.
std::wstring TestAppName();
std::wstring SettingsKeyPath(const std::wstring& appName = TestAppName());

// The stored values of the program, read and written behind its back.
namespace store {
void Clear(const std::wstring& appName = TestAppName());
bool KeyExists(const std::wstring& appName = TestAppName());
std::optional<std::wstring> ReadString(const wchar_t* name, const std::wstring& appName = TestAppName());
std::optional<DWORD> ReadDword(const wchar_t* name, const std::wstring& appName = TestAppName());
void WriteString(const wchar_t* name, const std::wstring& value, const std::wstring& appName = TestAppName());
void WriteDword(const wchar_t* name, DWORD value, const std::wstring& appName = TestAppName());
// Any type and bytes, for values the program never writes itself.
void WriteRaw(const wchar_t* name, DWORD type, const void* data, DWORD size);
}  // namespace store

class AppTest : public ::testing::Test {
protected:
    void SetUp() override { store::Clear(); }
    void TearDown() override { EndApp(); }

    void StartApp();
    // Destroys the main panel as the exit command does, and runs the end of the application.
    void EndApp();

    bool m_started = false;
};
