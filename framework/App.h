#pragma once
// The application object: start-up and end of the program, its message loop, and the per-user profile store
// (HKEY_CURRENT_USER\Software\<registry key>\<application name>\<section>).
#include <windows.h>

#include <string>

class CWnd;

class CWinApp {
public:
    // programName: how the program calls itself where its users do not look, at the start of each failure report.
    explicit CWinApp(std::wstring programName);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance();
    // Returns the exit code of the process: the code carried by the quit message.
    virtual int ExitInstance();
    // Runs the message loop until the quit message, then ExitInstance.
    int Run();
    // The data of one of the program's resources, or null: the program decides in which language it looks.
    virtual const void* FindResourceData(LPCWSTR type, UINT id) const = 0;

    // The name the program gave: its failure reports begin with it.
    const std::wstring m_strProgramName;
    CWnd* m_pMainWnd = nullptr;
    HINSTANCE m_hInstance = nullptr;
    // The program file's name without its extension: a renamed program keeps its own stored values.
    std::wstring m_strAppName;

    void SetRegistryKey(const std::wstring& company);
    int GetProfileInt(const std::wstring& section, const std::wstring& entry, int defaultValue) const;
    std::wstring GetProfileString(const std::wstring& section, const std::wstring& entry,
                                  const std::wstring& defaultValue) const;
    BOOL WriteProfileInt(const std::wstring& section, const std::wstring& entry, int value) const;
    BOOL WriteProfileString(const std::wstring& section, const std::wstring& entry, const std::wstring& value) const;

protected:
    int m_nExitCode = 0;

private:
    std::wstring SectionKeyPath(const std::wstring& section) const;
    std::wstring m_strRegistryKey;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
// A menu of the program's resources, as FindResourceData finds it; the caller destroys it.
HMENU AfxLoadMenu(UINT id);
// A message box owned by the program's main window, with the application name as caption; a box without an
// icon of its own gets the exclamation icon.
int AfxMessageBox(const std::wstring& text, UINT type = MB_OK);
// The file name of a path without its folders and its extension ("C:\x\Clock.exe" gives "Clock").
std::wstring ApplicationNameFromPath(const std::wstring& path);
