// Start-up of the application object: the five hidden panels, the scale factors, and the stored values it loads.
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "app/HourgladeApp.h"
#include "app/Settings.h"
#include "mainpanel/MainDlg.h"
#include "panels/AlarmDlg.h"
#include "panels/CounterDlg.h"
#include "panels/ShutdownDlg.h"
#include "panels/TimerDlg.h"
#include "res/resource.h"
#include "tests/TextList.h"
#include "tests/wine/AppHarness.h"
#include "tests/wine/ImportPatch.h"
#include "tests/wine/NotifyIconSpy.h"
#include "tests/wine/PopupWatcher.h"

namespace {

using Entries = std::vector<std::wstring>;

Entries EntriesOf(const HistoryList& list)
{
    return Entries(list.begin(), list.end());
}

// The dialog template a window was created from, told by a control only that template has.
bool HasControl(HWND dialog, int id)
{
    return ::GetDlgItem(dialog, id) != nullptr;
}

class StartUp : public AppTest {};

TEST_F(StartUp, ShowsNoWindow)
{
    StartApp();
    PumpMessages();
    for (HWND hWnd : ThreadWindows()) EXPECT_FALSE(::IsWindowVisible(hWnd)) << "a window is visible";
}

TEST_F(StartUp, CreatesTheFivePanelsHiddenWithTheMainPanelAsOwner)
{
    StartApp();
    const HWND main = theApp.m_pMainDlg->m_hWnd;
    ASSERT_TRUE(::IsWindow(main));
    EXPECT_EQ(theApp.m_pMainWnd, theApp.m_pMainDlg);
    EXPECT_EQ(::GetWindow(main, GW_OWNER), nullptr);
    EXPECT_TRUE(HasControl(main, IDC_STATUS_SHUTDOWN));

    const struct {
        HWND panel;
        int distinctiveControl;
    } features[] = {
        {theApp.m_pAlarmDlg->m_hWnd, IDC_HISTORY},
        {theApp.m_pTimerDlg->m_hWnd, IDC_STOP},
        {theApp.m_pCounterDlg->m_hWnd, IDC_STOP},
        {theApp.m_pShutdownDlg->m_hWnd, IDC_MODE},
    };
    for (const auto& feature : features) {
        ASSERT_TRUE(::IsWindow(feature.panel));
        EXPECT_FALSE(::IsWindowVisible(feature.panel));
        EXPECT_EQ(::GetWindow(feature.panel, GW_OWNER), main);
        EXPECT_TRUE(HasControl(feature.panel, feature.distinctiveControl));
        // Feature panels stay off the taskbar.
        EXPECT_FALSE(::GetWindowLongPtrW(feature.panel, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    }
    EXPECT_FALSE(HasControl(theApp.m_pCounterDlg->m_hWnd, IDC_HISTORY));
    EXPECT_TRUE(HasControl(theApp.m_pTimerDlg->m_hWnd, IDC_HISTORY));
}

// The counter's panel cannot be created, as when the system has no window handles left.
void* g_originalCreateDialog = nullptr;
HWND WINAPI CreateAllButTheCounter(HINSTANCE program, LPCDLGTEMPLATEW dialog, HWND owner, DLGPROC procedure,
                                   LPARAM param)
{
    if (dialog == theApp.FindResourceData(RT_DIALOG, IDD_COUNTER)) return nullptr;
    return reinterpret_cast<decltype(&::CreateDialogIndirectParamW)>(g_originalCreateDialog)(program, dialog, owner,
                                                                                             procedure, param);
}

// Reads the message box that the failed start shows, and closes it.
std::wstring g_boxText;
void CALLBACK AnswerMessageBox(HWND, UINT, UINT_PTR timer, DWORD)
{
    const HWND box = ::FindWindowW(L"#32770", TestAppName().c_str());
    if (!box) return;
    ::KillTimer(nullptr, timer);
    g_boxText = ControlText(box, 0xFFFF);
    ::PostMessageW(box, WM_COMMAND, IDOK, 0);
}

// Running with a panel missing would fail later: the user is told, and the program leaves no icon and ends.
TEST_F(StartUp, APanelThatCannotBeCreatedEndsTheProgramWithAMessageAndExitCodeOne)
{
    NotifyIconSpy notifySpy;
    const ImportPatch failingCreate("user32.dll", "CreateDialogIndirectParamW",
                                    reinterpret_cast<void*>(&CreateAllButTheCounter));
    ASSERT_TRUE(failingCreate.IsApplied());
    g_originalCreateDialog = failingCreate.Original();
    const UINT_PTR answer = ::SetTimer(nullptr, 0, 20, &AnswerMessageBox);
    EXPECT_FALSE(theApp.InitInstance());
    ::KillTimer(nullptr, answer);
    EXPECT_EQ(g_boxText, Japanese(TextId::CouldNotStart));
    ASSERT_FALSE(notifySpy.Calls().empty());
    EXPECT_EQ(notifySpy.Calls().back().message, static_cast<DWORD>(NIM_DELETE));
    for (HWND hWnd : ThreadWindows()) EXPECT_FALSE(::IsWindowVisible(hWnd));
    EXPECT_EQ(theApp.ExitInstance(), 1);
}

TEST_F(StartUp, MeasuresTheScaleFactorsOfTheScreen)
{
    StartApp();
    const HDC screen = ::GetDC(nullptr);
    const int dpiX = ::GetDeviceCaps(screen, LOGPIXELSX);
    const int dpiY = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    EXPECT_DOUBLE_EQ(theApp.m_dScaleX, dpiX / 96.0);
    EXPECT_DOUBLE_EQ(theApp.m_dScaleY, dpiY / 96.0);
    // The test command runs this test in prefixes set to other resolutions too.
    if (const char* expected = std::getenv("HG_EXPECTED_DPI")) {
        EXPECT_DOUBLE_EQ(theApp.m_dScaleX, std::atoi(expected) / 96.0);
        EXPECT_DOUBLE_EQ(theApp.m_dScaleY, std::atoi(expected) / 96.0);
    }
}

TEST_F(StartUp, StartsAndStopsTheDrawingLibrary)
{
    StartApp();
    EXPECT_NE(theApp.m_gdiplusToken, 0u);
    EndApp();
    EXPECT_EQ(theApp.m_gdiplusToken, 0u);
}

TEST_F(StartUp, FirstRunHasEmptyHistoriesAndWritesNothing)
{
    StartApp();
    PumpMessages();
    EXPECT_TRUE(theApp.m_pAlarmDlg->m_history.empty());
    EXPECT_TRUE(theApp.m_pTimerDlg->m_history.empty());
    EXPECT_TRUE(theApp.m_pShutdownDlg->m_history.empty());
    EXPECT_EQ(theApp.m_nAlarmState, 0);
    EXPECT_EQ(theApp.m_nTimerState, 0);
    EXPECT_EQ(theApp.m_nCounterState, 0);
    EXPECT_EQ(theApp.m_nShutdownState, 0);
    EXPECT_FALSE(store::KeyExists());
}

TEST_F(StartUp, LoadsTheThreeHistoriesIntoTheirPanels)
{
    store::WriteString(kAlarmHistoryValue, L"07:30||06:45");
    store::WriteString(kTimerHistoryValue, L"|03:00|10:00|");
    store::WriteString(kShutdownHistoryValue, L"13:00|08:00|12:00|");
    StartApp();
    EXPECT_EQ(EntriesOf(theApp.m_pAlarmDlg->m_history), (Entries{L"07:30", L"06:45"}));
    EXPECT_EQ(EntriesOf(theApp.m_pTimerDlg->m_history), (Entries{L"03:00", L"10:00"}));
    EXPECT_EQ(EntriesOf(theApp.m_pShutdownDlg->m_history), (Entries{L"13:00", L"08:00", L"12:00"}));
    // Loading rewrites nothing.
    EXPECT_EQ(store::ReadString(kAlarmHistoryValue), L"07:30||06:45");
}

TEST_F(StartUp, LoadsHugeAndOddHistoriesInFull)
{
    std::wstring thousands;
    for (int i = 0; i < 5000; ++i) thousands += std::to_wstring(i % 100) + L":" + std::to_wstring(i) + L"|";
    const std::wstring longEntry(1 << 20, L'\u6642');
    store::WriteString(kTimerHistoryValue, thousands);
    store::WriteString(kAlarmHistoryValue, L"|||" + longEntry + L"||x|");
    store::WriteString(kShutdownHistoryValue, L"|||");
    StartApp();
    EXPECT_EQ(theApp.m_pTimerDlg->m_history.size(), 5000u);
    EXPECT_EQ(theApp.m_pTimerDlg->m_history.back(), L"99:4999");
    EXPECT_EQ(EntriesOf(theApp.m_pAlarmDlg->m_history), (Entries{longEntry, L"x"}));
    EXPECT_TRUE(theApp.m_pShutdownDlg->m_history.empty());
}

TEST_F(StartUp, ValuesOfTheWrongTypeReadAsTheirDefaults)
{
    const DWORD number = 7;
    store::WriteRaw(kAlarmHistoryValue, REG_DWORD, &number, sizeof number);
    store::WriteRaw(kTimerHistoryValue, REG_BINARY, "\x01\x02", 2);
    store::WriteString(kAlarmStateValue, L"1");
    store::WriteRaw(kAlarmTargetValue, REG_DWORD, &number, sizeof number);
    StartApp();
    EXPECT_TRUE(theApp.m_pAlarmDlg->m_history.empty());
    EXPECT_TRUE(theApp.m_pTimerDlg->m_history.empty());
    EXPECT_EQ(theApp.m_nAlarmState, 0);
}

TEST_F(StartUp, EndsWithExitCodeZeroWhenTheMainPanelIsDestroyed)
{
    StartApp();
    const HWND timerPanel = theApp.m_pTimerDlg->m_hWnd;
    ::DestroyWindow(theApp.m_pMainDlg->m_hWnd);
    EXPECT_FALSE(::IsWindow(timerPanel));
    m_started = false;
    EXPECT_EQ(theApp.Run(), 0);
    EXPECT_EQ(theApp.m_gdiplusToken, 0u);
}

// Runs this test program again, as the file at path, with one test of it and an environment variable that tells
// the test it is the copy; keeps handling this program's messages while it waits, and returns the exit code.
DWORD RunCopy(const std::filesystem::path& path, const wchar_t* test, const wchar_t* marker,
              const std::wstring& markerValue = L"1")
{
    std::wstring command = L"\"" + path.wstring() + L"\" --gtest_filter=" + test;
    ::SetEnvironmentVariableW(marker, markerValue.c_str());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const BOOL started =
        ::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
    ::SetEnvironmentVariableW(marker, nullptr);
    EXPECT_TRUE(started);
    if (!started) return 1;
    const ULONGLONG deadline = ::GetTickCount64() + 30000;
    while (::MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, 100, QS_ALLINPUT) != WAIT_OBJECT_0 &&
           ::GetTickCount64() < deadline)
        PumpMessages();
    DWORD exitCode = 1;
    EXPECT_EQ(::WaitForSingleObject(process.hProcess, 0), WAIT_OBJECT_0) << "the copy did not end";
    ::GetExitCodeProcess(process.hProcess, &exitCode);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return exitCode;
}

std::filesystem::path ThisProgram()
{
    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    return self;
}

std::filesystem::path CopyOfThisProgram(const wchar_t* fileName)
{
    const std::filesystem::path copy = std::filesystem::temp_directory_path() / fileName;
    std::filesystem::copy_file(ThisProgram(), copy, std::filesystem::copy_options::overwrite_existing);
    return copy;
}

// A copy of this program under another name reads and writes the values of that name. The copy runs this test
// in a process of its own, on the values prepared for it, and reports through its exit code.
class RenamedProgram : public AppTest {
protected:
    static bool IsTheCopy() { return std::getenv("HG_RENAMED_CHILD") != nullptr; }
    void SetUp() override
    {
        if (!IsTheCopy()) AppTest::SetUp();
    }
};

TEST_F(RenamedProgram, UsesTheStoredValuesOfItsOwnName)
{
    if (IsTheCopy()) {
        StartApp();
        EXPECT_EQ(theApp.m_strAppName, L"Renamed");
        EXPECT_EQ(EntriesOf(theApp.m_pTimerDlg->m_history), (Entries{L"09:00"}));
        return;
    }
    const std::filesystem::path copy = CopyOfThisProgram(L"Renamed.exe");

    store::Clear(L"Renamed");
    store::WriteString(kTimerHistoryValue, L"09:00|", L"Renamed");
    store::WriteString(kTimerHistoryValue, L"01:00|");  // under this program's own name

    const DWORD exitCode = RunCopy(copy, L"RenamedProgram.UsesTheStoredValuesOfItsOwnName", L"HG_RENAMED_CHILD");
    EXPECT_EQ(exitCode, 0u) << "the renamed copy did not load its own values";
    EXPECT_EQ(store::ReadString(kTimerHistoryValue), L"01:00|");
    store::Clear(L"Renamed");
    std::filesystem::remove(copy);
}

// A second start of the program under the same name shows the running copy's main panel and ends at once, with
// exit code 0 and no panel or icon of its own; a copy under another name starts as ever, alongside. The copies
// run this test in processes of their own; HG_SECOND_START carries the running copy's name.
class SecondStart : public AppTest {
protected:
    static const char* RunningName() { return std::getenv("HG_SECOND_START"); }
    void SetUp() override
    {
        if (!RunningName()) AppTest::SetUp();
    }
};

TEST_F(SecondStart, ShowsTheRunningCopysMainPanelInsteadOfStartingAgain)
{
    if (const char* running = RunningName()) {
        if (TestAppName() != std::wstring(running, running + std::strlen(running))) {
            StartApp();
            EXPECT_NE(theApp.m_pMainDlg, nullptr);
            return;
        }
        NotifyIconSpy notifySpy;
        EXPECT_FALSE(theApp.InitInstance());
        EXPECT_EQ(theApp.ExitInstance(), 0);
        EXPECT_EQ(theApp.m_pMainDlg, nullptr);
        EXPECT_EQ(theApp.m_gdiplusToken, 0u);
        EXPECT_TRUE(notifySpy.Calls().empty()) << "the second copy touched the notification area";
        return;
    }
    StartApp();
    const HWND main = theApp.m_pMainDlg->m_hWnd;
    const std::wstring name = TestAppName();

    const std::filesystem::path renamed = CopyOfThisProgram(L"OtherName.exe");
    EXPECT_EQ(RunCopy(renamed, L"SecondStart.*", L"HG_SECOND_START", name), 0u) << "the renamed copy did not start";
    EXPECT_FALSE(::IsWindowVisible(main));
    store::Clear(L"OtherName");
    std::filesystem::remove(renamed);

    EXPECT_EQ(RunCopy(ThisProgram(), L"SecondStart.*", L"HG_SECOND_START", name), 0u);
    EXPECT_TRUE(::IsWindowVisible(main));
    EXPECT_TRUE(theApp.m_bMainShown);
    EXPECT_FALSE(store::KeyExists());
}

}  // namespace
