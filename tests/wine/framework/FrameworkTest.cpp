// The framework on a dialog and a menu of its own: message maps, control binding, dialogs modeless and modal, the
// failure report, the profile store and the drawing wrappers.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/App.h"
#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "framework/Registry.h"
#include "framework/Report.h"
#include "tests/wine/ImportPatch.h"
#include "tests/wine/MessagePump.h"
#include "tests/wine/framework/resource.h"

namespace {

constexpr UINT WM_PROBE = WM_APP + 7;

class ProbeButton : public CButton {
public:
    int m_presses = 0;

protected:
    void OnLButtonDown(UINT, POINT)
    {
        ++m_presses;
        Default();
    }
    DECLARE_MESSAGE_MAP()
};

// clang-format off
BEGIN_MESSAGE_MAP(ProbeButton, CButton)
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()
// clang-format on

// The probe template with handlers of its own.
class ProbeDialog : public CDialog {
public:
    explicit ProbeDialog(CWnd* parent = nullptr) : CDialog(IDD_PROBE, parent) {}

    std::vector<std::wstring> m_calls;
    ProbeButton m_btnOK;
    CButton m_chkRemove;
    bool m_destroyed = false;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_calls.push_back(L"init");
        return TRUE;
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDOK, m_btnOK);
        DDX_Control(pDX, IDC_PROBE_CHECK, m_chkRemove);
    }
    void PostNcDestroy() override { m_destroyed = true; }

    void OnOK()
    {
        m_calls.push_back(L"ok");
        EndDialog(7);
    }
    LRESULT OnProbe(WPARAM wParam, LPARAM lParam) { return static_cast<LRESULT>(wParam + lParam); }

    DECLARE_MESSAGE_MAP()
};

// clang-format off
BEGIN_MESSAGE_MAP(ProbeDialog, CDialog)
    ON_COMMAND(IDOK, OnOK)
    ON_MESSAGE(WM_PROBE, OnProbe)
END_MESSAGE_MAP()
// clang-format on

TEST(MessageMaps, ReachTheHandlersOfTheClassThenItsBasesThenTheDefault)
{
    ProbeDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_PROBE));
    EXPECT_EQ(dialog.m_calls, std::vector<std::wstring>{L"init"});
    EXPECT_EQ(CWnd::FromHandle(dialog.m_hWnd), &dialog);

    EXPECT_EQ(dialog.SendMessage(WM_PROBE, 40, 2), 42);
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED));
    EXPECT_EQ(dialog.m_calls.back(), L"ok");
    // Not a command: another notification of the same control.
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_SETFOCUS));
    EXPECT_EQ(dialog.m_calls.size(), 2u);
    // Left to the window's own handling.
    EXPECT_EQ(dialog.GetWindowText(), L"Probe");

    dialog.DestroyWindow();
    EXPECT_TRUE(dialog.m_destroyed);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST(MessageMaps, BoundControlsSeeTheirMessagesFirstAndKeepTheirOwnBehaviour)
{
    ProbeDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_PROBE));
    ASSERT_EQ(dialog.m_btnOK.m_hWnd, ::GetDlgItem(dialog.m_hWnd, IDOK));
    ASSERT_EQ(dialog.m_chkRemove.m_hWnd, ::GetDlgItem(dialog.m_hWnd, IDC_PROBE_CHECK));

    dialog.m_btnOK.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    dialog.m_btnOK.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(dialog.m_btnOK.m_presses, 1);
    EXPECT_EQ(dialog.m_calls.back(), L"ok") << "the button's own click handling was lost";

    dialog.m_chkRemove.SendMessage(BM_CLICK);
    EXPECT_EQ(dialog.m_chkRemove.GetCheck(), BST_CHECKED);
    dialog.DestroyWindow();
}

TEST(MessageMaps, ModelessDialogsGetTheDialogKeysFromTheMessageLoop)
{
    ProbeDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_PROBE));
    dialog.ShowWindow(SW_SHOW);
    ::SetFocus(dialog.m_chkRemove.m_hWnd);
    dialog.m_chkRemove.PostMessage(WM_KEYDOWN, VK_RETURN);
    PumpMessages();
    EXPECT_EQ(dialog.m_calls.back(), L"ok");
    dialog.DestroyWindow();
}

ProbeDialog* g_running = nullptr;
bool g_parentEnabledDuringRun = true;

TEST(ModalDialogs, ReturnTheEndCodeAndDisableTheirOwnerMeanwhile)
{
    ProbeDialog parent;
    ASSERT_TRUE(parent.Create(IDD_PROBE));
    ProbeDialog dialog(&parent);
    g_running = &dialog;
    ::SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
        ::KillTimer(nullptr, id);
        g_parentEnabledDuringRun = ::IsWindowEnabled(::GetWindow(g_running->m_hWnd, GW_OWNER));
        // Enter, as the user would press it.
        g_running->m_chkRemove.PostMessage(WM_KEYDOWN, VK_RETURN);
    });
    EXPECT_EQ(dialog.DoModal(), 7);
    EXPECT_FALSE(g_parentEnabledDuringRun);
    EXPECT_TRUE(parent.IsWindowEnabled());
    EXPECT_TRUE(dialog.m_destroyed);
    EXPECT_EQ(dialog.m_calls, (std::vector<std::wstring>{L"init", L"ok"}));
    parent.DestroyWindow();
}

TEST(ModalDialogs, GiveTheActivationBackToTheirOwner)
{
    // Another window of the program that the system could activate in the owner's place.
    ProbeDialog other;
    ASSERT_TRUE(other.Create(IDD_PROBE));
    other.ShowWindow(SW_SHOW);
    ProbeDialog parent;
    ASSERT_TRUE(parent.Create(IDD_PROBE));
    parent.ShowWindow(SW_SHOW);
    ::SetActiveWindow(parent.m_hWnd);
    ASSERT_EQ(::GetActiveWindow(), parent.m_hWnd);

    ProbeDialog dialog(&parent);
    // cppcheck-suppress danglingLifetime ; the timer reads it only while DoModal below runs
    g_running = &dialog;
    ::SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
        ::KillTimer(nullptr, id);
        g_running->m_chkRemove.PostMessage(WM_KEYDOWN, VK_RETURN);
    });
    EXPECT_EQ(dialog.DoModal(), 7);
    EXPECT_EQ(::GetActiveWindow(), parent.m_hWnd);
    parent.DestroyWindow();
    other.DestroyWindow();
}

TEST(ModalDialogs, EscapeEndsWithTheCancelCode)
{
    ProbeDialog dialog;
    // cppcheck-suppress danglingLifetime ; the timer reads it only while DoModal below runs
    g_running = &dialog;
    ::SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
        ::KillTimer(nullptr, id);
        g_running->m_chkRemove.PostMessage(WM_KEYDOWN, VK_ESCAPE);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

// Every dialog's Enter and Esc reach its own OnOK and OnCancel, without an entry in a map of its own.
TEST(ModalDialogs, EnterAndEscReachTheDialogsOwnOperations)
{
    class Confirmation : public CDialog {
    public:
        Confirmation() : CDialog(IDD_PROBE) {}
        std::vector<std::wstring> m_keys;

    protected:
        void OnOK() override { m_keys.push_back(L"ok"); }
        void OnCancel() override { m_keys.push_back(L"cancel"); }
    } dialog;
    ASSERT_TRUE(dialog.Create(IDD_PROBE));
    dialog.SendMessage(WM_COMMAND, IDOK);
    dialog.SendMessage(WM_COMMAND, IDCANCEL);
    EXPECT_EQ(dialog.m_keys, (std::vector<std::wstring>{L"ok", L"cancel"}));
    EXPECT_TRUE(::IsWindow(dialog.m_hWnd)) << "the base's OnOK or OnCancel ran";
    dialog.DestroyWindow();
}

std::wstring g_debugOutput;

void WINAPI CaptureDebugOutput(LPCWSTR text)
{
    g_debugOutput += text;
}

TEST(FailureReport, SaysWhatFailedWhereAndWhyInOneLine)
{
    const ImportPatch capture("kernel32.dll", "OutputDebugStringW", reinterpret_cast<void*>(&CaptureDebugOutput));
    ASSERT_TRUE(capture.IsApplied());
    const std::wstring place = L"tests/wine/framework/FrameworkTest.cpp:" + std::to_wstring(__LINE__ + 1);
    EXPECT_FALSE(ReportFailure(L"Opening the probe", Failure::Handled, ERROR_FILE_NOT_FOUND));
    const std::wstring start = L"FrameworkTests: Opening the probe failed at " + place + L" (error 2: ";
    ASSERT_TRUE(g_debugOutput.starts_with(start)) << g_debugOutput;
    EXPECT_GT(g_debugOutput.size(), start.size() + 2) << "without the system's text";
    EXPECT_TRUE(g_debugOutput.ends_with(L")\n")) << g_debugOutput;
    EXPECT_EQ(g_debugOutput.find(L'\r'), std::wstring::npos);
}

// The store of this test program under a company of the tests, read and written behind the framework's back.
constexpr wchar_t kCompanyKey[] = L"Software\\FrameworkTests";
constexpr wchar_t kSection[] = L"Section";

std::wstring SectionPath()
{
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::wstring(kCompanyKey) + L"\\" + ApplicationNameFromPath(path) + L"\\" + kSection;
}

// Any type and bytes, for values that the framework never writes itself.
void WriteRaw(const wchar_t* name, DWORD type, const void* data, DWORD size)
{
    ASSERT_EQ(::RegSetKeyValueW(HKEY_CURRENT_USER, SectionPath().c_str(), name, type, data, size), ERROR_SUCCESS);
}

class Profile : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::RegDeleteTreeW(HKEY_CURRENT_USER, kCompanyKey);
        ASSERT_TRUE(app.InitInstance());
        app.SetRegistryKey(L"FrameworkTests");
    }
    void TearDown() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, kCompanyKey); }

    CWinApp& app = *AfxGetApp();
};

TEST_F(Profile, ReadsDefaultsWithoutCreatingAnything)
{
    EXPECT_EQ(app.GetProfileInt(kSection, L"n", 42), 42);
    EXPECT_EQ(app.GetProfileString(kSection, L"s", L"default"), L"default");
    EXPECT_FALSE(RegistryKey::OpenForReading(HKEY_CURRENT_USER, kCompanyKey).IsOpen());
}

TEST_F(Profile, StoresIntegersAsDwordsAndTextsAsStrings)
{
    app.WriteProfileInt(kSection, L"n", 1);
    app.WriteProfileString(kSection, L"s", L"07:30|");
    const RegistryKey stored = RegistryKey::OpenForReading(HKEY_CURRENT_USER, SectionPath());
    EXPECT_EQ(stored.ReadDword(L"n"), 1u);
    EXPECT_EQ(stored.ReadString(L"s"), L"07:30|");
    EXPECT_EQ(app.GetProfileInt(kSection, L"n", 0), 1);
    EXPECT_EQ(app.GetProfileString(kSection, L"s", L""), L"07:30|");
    app.WriteProfileString(kSection, L"s", L"");
    EXPECT_EQ(app.GetProfileString(kSection, L"s", L"default"), L"");
}

TEST_F(Profile, ValuesOfAnotherTypeReadAsTheDefault)
{
    WriteRaw(L"n", REG_SZ, L"1", sizeof L"1");
    const DWORD one = 1;
    WriteRaw(L"s", REG_DWORD, &one, sizeof one);
    WriteRaw(L"short", REG_DWORD, &one, 2);
    EXPECT_EQ(app.GetProfileInt(kSection, L"n", 5), 5);
    EXPECT_EQ(app.GetProfileString(kSection, L"s", L"d"), L"d");
    EXPECT_EQ(app.GetProfileInt(kSection, L"short", 5), 5);
}

TEST_F(Profile, StringsWithoutTerminatorOrWithInnerNullsReadSafely)
{
    const wchar_t unterminated[] = {L'0', L'7', L':', L'3', L'0'};
    WriteRaw(L"a", REG_SZ, unterminated, sizeof unterminated);
    const wchar_t inner[] =
        L"12\0"
        L"34";
    WriteRaw(L"b", REG_SZ, inner, sizeof inner);
    WriteRaw(L"odd", REG_SZ, "abc", 3);
    EXPECT_EQ(app.GetProfileString(kSection, L"a", L""), L"07:30");
    EXPECT_EQ(app.GetProfileString(kSection, L"b", L""), L"12");
    EXPECT_EQ(app.GetProfileString(kSection, L"odd", L"").size(), 1u);
}

TEST(ApplicationName, IsTheProgramFileNameWithoutFoldersAndExtension)
{
    EXPECT_EQ(ApplicationNameFromPath(L"C:\\Program Files\\Hourglade\\Hourglade.exe"), L"Hourglade");
    EXPECT_EQ(ApplicationNameFromPath(L"Z:\\tmp\\my.timer.EXE"), L"my.timer");
    EXPECT_EQ(ApplicationNameFromPath(L"C:\\dir.d\\NoExtension"), L"NoExtension");
}

TEST(DrawingWrappers, ReleaseWhatTheyAcquired)
{
    HPEN pen = nullptr;
    {
        GdiObject<HPEN> owned(::CreatePen(PS_SOLID, 1, RGB(1, 2, 3)));
        pen = owned.Get();
        ASSERT_EQ(::GetObjectType(pen), static_cast<DWORD>(OBJ_PEN));
        GdiObject<HPEN> moved(std::move(owned));
        EXPECT_EQ(owned.Get(), nullptr);
        EXPECT_EQ(::GetObjectType(pen), static_cast<DWORD>(OBJ_PEN));
    }
    EXPECT_EQ(::GetObjectType(pen), 0u) << "the pen was not deleted";

    const WindowDC screen(nullptr);
    ASSERT_NE(screen.Get(), nullptr);
    const GdiObject<HDC> memory(::CreateCompatibleDC(screen.Get()));
    ASSERT_NE(memory.Get(), nullptr);
    const HGDIOBJ original = ::GetCurrentObject(memory.Get(), OBJ_PEN);
    {
        GdiObject<HPEN> red(::CreatePen(PS_SOLID, 1, RGB(255, 0, 0)));
        const SelectedObject selected(memory.Get(), red.Get());
        EXPECT_EQ(::GetCurrentObject(memory.Get(), OBJ_PEN), red.Get());
    }
    EXPECT_EQ(::GetCurrentObject(memory.Get(), OBJ_PEN), original);

    HMENU menu = nullptr;
    {
        const GdiObject<HMENU> loaded(AfxLoadMenu(IDR_PROBE_MENU));
        menu = loaded.Get();
        ASSERT_TRUE(::IsMenu(menu));
        EXPECT_EQ(::GetMenuItemCount(menu), 2);
    }
    EXPECT_FALSE(::IsMenu(menu));
}

}  // namespace
