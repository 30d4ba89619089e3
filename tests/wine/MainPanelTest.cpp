// The main panel: status lines, the notification-area icon and the menus it opens, the show commands.
#include <winternl.h>

#include <algorithm>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "app/HourgladeApp.h"
#include "framework/Gdi.h"
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
#include "tests/wine/PanelDriver.h"
#include "tests/wine/PopupWatcher.h"

namespace {

HICON ProgramIcon(UINT id)
{
    return ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id));
}

// The small-icon size of the screen's scale: 16 pixels at 96 dpi.
int SmallIconSize()
{
    return static_cast<int>(16 * theApp.m_dScaleX);
}

// Live GDI objects of this process. Windows counts them in GetGuiResources. Under Wine that is a stub that
// returns 0; there the process's own GDI handle table, found where Windows keeps its table too
// (GdiSharedHandleTable in the process environment block), holds one entry per live object.
int GdiObjectCount()
{
    if (const DWORD counted = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS)) return static_cast<int>(counted);
    struct HandleEntry {
        ULONG64 object;
        ULONG owner;
        ULONG type;
        ULONG64 user;
    };
    constexpr size_t kPebGdiHandleTable = 0xF8;
    constexpr size_t kHandleEntries = 0x10000;
    PROCESS_BASIC_INFORMATION process{};
    ::NtQueryInformationProcess(::GetCurrentProcess(), ProcessBasicInformation, &process, sizeof process, nullptr);
    const auto* peb = reinterpret_cast<const BYTE*>(process.PebBaseAddress);
    const auto* table = *reinterpret_cast<const HandleEntry* const*>(peb + kPebGdiHandleTable);
    return static_cast<int>(
        std::count_if(table, table + kHandleEntries, [](const HandleEntry& e) { return e.object != 0; }));
}

// A menu item as the user sees it.
struct MenuItem {
    UINT id;
    std::wstring text;
    bool checked;
    bool greyed;
    bool highlighted;
};

std::vector<MenuItem> ItemsOf(HMENU menu)
{
    std::vector<MenuItem> items;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        const UINT id = ::GetMenuItemID(menu, i);
        const UINT state = ::GetMenuState(menu, i, MF_BYPOSITION);
        if (state & MF_SEPARATOR) continue;
        wchar_t text[64] = {};
        ::GetMenuStringW(menu, i, text, 64, MF_BYPOSITION);
        items.push_back(
            {id, text, (state & MF_CHECKED) != 0, (state & (MF_GRAYED | MF_DISABLED)) != 0, (state & MF_HILITE) != 0});
    }
    return items;
}

const MenuItem* Find(const std::vector<MenuItem>& items, UINT id)
{
    for (const MenuItem& item : items)
        if (item.id == id) return &item;
    return nullptr;
}

// The menu that the icon's callback opened: read while it is open, then closed as Esc would.
struct OpenedMenu {
    std::vector<MenuItem> items;
    RECT place{};
};
OpenedMenu g_opened;

HWND VisibleMenuWindow()
{
    const HWND popup = ::FindWindowW(L"#32768", nullptr);
    return popup && ::IsWindowVisible(popup) ? popup : nullptr;
}

void CALLBACK ReadOpenMenu(HWND, UINT, UINT_PTR timer, DWORD)
{
    const HWND popup = VisibleMenuWindow();
    if (!popup) return;  // not open yet
    ::KillTimer(nullptr, timer);
    g_opened.items = ItemsOf(reinterpret_cast<HMENU>(::SendMessageW(popup, MN_GETHMENU, 0, 0)));
    ::GetWindowRect(popup, &g_opened.place);
    ::EndMenu();
}

class MainPanel : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        ASSERT_TRUE(m_notifySpy.IsApplied());
        StartApp();
    }

    CMainDlg& Main() { return *theApp.m_pMainDlg; }
    HWND MainWindow() { return theApp.m_pMainDlg->m_hWnd; }

    void SetStates(int alarm, int timer, int counter, int shutdown)
    {
        theApp.m_nAlarmState = alarm;
        theApp.m_nTimerState = timer;
        theApp.m_nCounterState = counter;
        theApp.m_nShutdownState = shutdown;
        Main().RefreshStatus();
    }

    std::wstring StatusText(int id) { return ControlText(MainWindow(), id); }
    bool StatusEnabled(int id) { return ::IsWindowEnabled(::GetDlgItem(MainWindow(), id)); }

    // An event of the icon as the shell reports it to an icon of version 4, with its anchor point; returns the menu
    // that opened, if any.
    OpenedMenu SendToIcon(UINT event, int x = 300, int y = 200)
    {
        g_opened = {};
        const UINT_PTR reader = ::SetTimer(nullptr, 0, 20, &ReadOpenMenu);
        ::SendMessageW(MainWindow(), WM_TRAYNOTIFY, MAKEWPARAM(x, y), MAKELPARAM(event, 0));
        ::KillTimer(nullptr, reader);
        // The next press must not find this menu still on its way out.
        for (int i = 0; i < 50 && VisibleMenuWindow(); ++i) PumpMessagesFor(10);
        PumpMessages();
        return g_opened;
    }

    NotifyIconSpy m_notifySpy;
    std::vector<NotifyCall>& m_notifyCalls = m_notifySpy.Calls();
};

TEST_F(MainPanel, AddsItsIconIdleWithTheRecordTheShellExpects)
{
    ASSERT_GE(m_notifyCalls.size(), 2u);
    const NotifyCall& add = m_notifyCalls[0];
    EXPECT_EQ(add.message, static_cast<DWORD>(NIM_ADD));
    EXPECT_EQ(add.data.cbSize, sizeof(NOTIFYICONDATAW));
    EXPECT_EQ(add.data.hWnd, MainWindow());
    EXPECT_EQ(add.data.uID, 0u);
    EXPECT_EQ(add.data.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP));
    EXPECT_EQ(add.data.uCallbackMessage, static_cast<UINT>(WM_TRAYNOTIFY));
    EXPECT_STREQ(add.data.szTip, L"Hourglade");
    // Version 4: the callback carries the anchor point, and keys on the icon arrive as keys.
    EXPECT_EQ(m_notifyCalls[1].message, static_cast<DWORD>(NIM_SETVERSION));
    EXPECT_EQ(m_notifyCalls[1].data.uVersion, static_cast<UINT>(NOTIFYICON_VERSION_4));
    // Start-up refreshes the status once, which leaves the idle icon.
    EXPECT_EQ(m_notifyCalls.back().message, static_cast<DWORD>(NIM_MODIFY));
    EXPECT_EQ(LookOf(m_notifyCalls.back().data.hIcon), (IconLook{SmallIconSize(), false}));
    EXPECT_EQ(::SendMessageW(MainWindow(), WM_GETICON, ICON_BIG, 0), reinterpret_cast<LRESULT>(ProgramIcon(IDI_IDLE)));
    const auto small = reinterpret_cast<HICON>(::SendMessageW(MainWindow(), WM_GETICON, ICON_SMALL, 0));
    EXPECT_EQ(LookOf(small), (IconLook{SmallIconSize(), false}));
}

TEST_F(MainPanel, StatusLinesFollowEveryStateAndLeaveUnknownOnesAlone)
{
    for (int id : {IDC_STATUS_ALARM, IDC_STATUS_TIMER, IDC_STATUS_COUNTER, IDC_STATUS_SHUTDOWN}) {
        EXPECT_EQ(StatusText(id), Japanese(TextId::StatusNotSet));
        EXPECT_FALSE(StatusEnabled(id));
    }

    SetStates(1, 2, 1, 1);
    EXPECT_EQ(StatusText(IDC_STATUS_ALARM), Japanese(TextId::StatusSet));
    EXPECT_EQ(StatusText(IDC_STATUS_TIMER), Japanese(TextId::StatusPaused));
    EXPECT_EQ(StatusText(IDC_STATUS_COUNTER), Japanese(TextId::StatusSet));
    EXPECT_EQ(StatusText(IDC_STATUS_SHUTDOWN), Japanese(TextId::StatusSet));
    for (int id : {IDC_STATUS_ALARM, IDC_STATUS_TIMER, IDC_STATUS_COUNTER, IDC_STATUS_SHUTDOWN})
        EXPECT_TRUE(StatusEnabled(id));

    // The alarm knows no paused state, and 7 is no state at all: those lines stay as they were.
    SetStates(2, 7, 2, 0);
    EXPECT_EQ(StatusText(IDC_STATUS_ALARM), Japanese(TextId::StatusSet));
    EXPECT_EQ(StatusText(IDC_STATUS_TIMER), Japanese(TextId::StatusPaused));
    EXPECT_EQ(StatusText(IDC_STATUS_COUNTER), Japanese(TextId::StatusPaused));
    EXPECT_EQ(StatusText(IDC_STATUS_SHUTDOWN), Japanese(TextId::StatusNotSet));
    EXPECT_FALSE(StatusEnabled(IDC_STATUS_SHUTDOWN));
}

// The icon takes the look the clocks' states ask for, each drawn at the system's small-icon size, not the large image
// to shrink; the rest of the record goes with every update unchanged.
TEST_F(MainPanel, TheIconHasTheSmallIconSizeOfTheScreenInBothLooks)
{
    EXPECT_EQ(SmallIconSize(), ::GetSystemMetrics(SM_CXSMICON));
    for (const bool active : {true, false}) {
        m_notifyCalls.clear();
        SetStates(0, active ? 1 : 0, 0, 0);
        ASSERT_EQ(m_notifyCalls.size(), 1u);
        EXPECT_EQ(m_notifyCalls[0].message, static_cast<DWORD>(NIM_MODIFY));
        EXPECT_EQ(LookOf(m_notifyCalls[0].data.hIcon), (IconLook{SmallIconSize(), active}));
        EXPECT_EQ(m_notifyCalls[0].data.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP));
        EXPECT_EQ(m_notifyCalls[0].data.uCallbackMessage, static_cast<UINT>(WM_TRAYNOTIFY));
    }
}

TEST_F(MainPanel, ReplacedIconsAreDestroyedSoObjectCountsStayFlat)
{
    // Both looks once, for what the system keeps after a first use.
    SetStates(0, 1, 0, 0);
    SetStates(0, 0, 0, 0);
    const int userBefore = static_cast<int>(::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS));
    const int gdiBefore = GdiObjectCount();
    m_notifyCalls.clear();
    // A thousand changes, ending idle.
    for (int change = 1; change <= 1000; ++change) SetStates(0, change % 2, 0, 0);
    EXPECT_EQ(GdiObjectCount(), gdiBefore);
    // Wine counts no USER objects (0 before and after); the handles below show the same there.
    EXPECT_EQ(static_cast<int>(::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS)), userBefore);
    // Of the images handed to the notification area only the last is still an icon.
    std::set<HICON> handedOut;
    for (const NotifyCall& call : m_notifyCalls) handedOut.insert(call.data.hIcon);
    ASSERT_GE(handedOut.size(), 2u);
    for (const HICON icon : handedOut) EXPECT_EQ(LookOf(icon).size != 0, icon == Main().m_trayIcon.Image()) << icon;
    // The count sees icons that are not destroyed: each holds at least one bitmap.
    std::vector<OwnedIcon> kept;
    for (int i = 0; i < 10; ++i) {
        kept.emplace_back(static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_IDLE),
                                                          IMAGE_ICON, SmallIconSize(), SmallIconSize(), 0)));
    }
    EXPECT_GE(GdiObjectCount(), gdiBefore + 10);
}

TEST_F(MainPanel, LeftPressOpensTheMainMenu)
{
    const OpenedMenu menu = SendToIcon(WM_LBUTTONDOWN);
    ASSERT_EQ(menu.items.size(), 6u);
    const std::vector<std::pair<UINT, std::wstring>> expected = {
        {ID_MENU_MAINPANEL, L"メインパネル"}, {ID_MENU_ALARM, L"アラーム"},      {ID_MENU_TIMER, L"タイマー"},
        {ID_MENU_COUNTER, L"カウンター"},     {ID_MENU_SHUTDOWN, L"電源の遮断"}, {ID_MENU_EXIT, L"終了"},
    };
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(menu.items[i].id, expected[i].first);
        EXPECT_EQ(menu.items[i].text, expected[i].second);
        EXPECT_FALSE(menu.items[i].checked);
        EXPECT_FALSE(menu.items[i].greyed);
    }
}

TEST_F(MainPanel, RightPressOpensTheQuickSetMenu)
{
    const OpenedMenu menu = SendToIcon(WM_RBUTTONDOWN);
    ASSERT_EQ(menu.items.size(), 5u);
    const std::vector<std::pair<UINT, std::wstring>> expected = {
        {ID_QUICK_TIMER1, L"１分タイマー"},          {ID_QUICK_TIMER3, L"３分タイマー"},
        {ID_QUICK_TIMER5, L"５分タイマー"},          {ID_QUICK_TIMER10, L"１０分タイマー"},
        {ID_QUICK_COUNTER, L"カウンターをスタート"},
    };
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(menu.items[i].id, expected[i].first);
        EXPECT_EQ(menu.items[i].text, expected[i].second);
        EXPECT_FALSE(menu.items[i].greyed);
    }
}

TEST_F(MainPanel, MenusShowTheClocksStatesWhenTheyOpen)
{
    // A running counter, a set alarm and power-off.
    SetStates(1, 0, 1, 1);
    OpenedMenu main = SendToIcon(WM_LBUTTONDOWN);
    EXPECT_TRUE(Find(main.items, ID_MENU_ALARM)->checked);
    EXPECT_FALSE(Find(main.items, ID_MENU_TIMER)->checked);
    EXPECT_TRUE(Find(main.items, ID_MENU_COUNTER)->checked);
    EXPECT_TRUE(Find(main.items, ID_MENU_SHUTDOWN)->checked);
    EXPECT_FALSE(Find(main.items, ID_MENU_EXIT)->greyed);
    const OpenedMenu quick = SendToIcon(WM_RBUTTONDOWN);
    EXPECT_FALSE(Find(quick.items, ID_QUICK_TIMER3)->greyed);
    EXPECT_TRUE(Find(quick.items, ID_QUICK_COUNTER)->greyed);

    // Everything idle again: every mark is taken off.
    SetStates(0, 0, 0, 0);
    main = SendToIcon(WM_LBUTTONDOWN);
    for (const MenuItem& item : main.items) EXPECT_FALSE(item.checked || item.greyed) << item.id;
}

TEST_F(MainPanel, TheMenuBarFollowsTheSameRules)
{
    SetStates(0, 1, 2, 0);
    theApp.m_bMainShown = true;
    const HMENU bar = ::GetMenu(MainWindow());
    ASSERT_NE(bar, nullptr);
    ::SendMessageW(MainWindow(), WM_INITMENU, reinterpret_cast<WPARAM>(bar), 0);
    EXPECT_EQ(::GetMenuState(bar, ID_MENU_TIMER, MF_BYCOMMAND) & MF_CHECKED, static_cast<UINT>(MF_CHECKED));
    EXPECT_EQ(::GetMenuState(bar, ID_MENU_COUNTER, MF_BYCOMMAND) & MF_CHECKED, 0u);
    EXPECT_TRUE(::GetMenuState(bar, ID_MENU_MAINPANEL, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(::GetMenuState(bar, ID_QUICK_TIMER10, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(::GetMenuState(bar, ID_QUICK_COUNTER, MF_BYCOMMAND) & MF_GRAYED);
}

TEST_F(MainPanel, DoubleClickShowsThePanelAndEscHidesIt)
{
    const RECT before = Main().GetWindowRect();
    ::SendMessageW(MainWindow(), WM_TRAYNOTIFY, 0, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(::IsWindowVisible(MainWindow()));
    EXPECT_TRUE(theApp.m_bMainShown);
    EXPECT_FALSE(::GetWindowLongPtrW(MainWindow(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    const RECT after = Main().GetWindowRect();
    EXPECT_TRUE(::EqualRect(&before, &after));
    EXPECT_TRUE(Find(SendToIcon(WM_LBUTTONDOWN).items, ID_MENU_MAINPANEL)->greyed);

    // Enter does nothing; Esc hides the panel.
    ::PostMessageW(MainWindow(), WM_KEYDOWN, VK_RETURN, 0);
    PumpMessages();
    EXPECT_TRUE(::IsWindowVisible(MainWindow()));
    ::PostMessageW(MainWindow(), WM_KEYDOWN, VK_ESCAPE, 0);
    PumpMessages();
    EXPECT_FALSE(::IsWindowVisible(MainWindow()));
    EXPECT_FALSE(theApp.m_bMainShown);
    EXPECT_FALSE(Find(SendToIcon(WM_LBUTTONDOWN).items, ID_MENU_MAINPANEL)->greyed);

    // The menu's own command shows it too; the close box hides it.
    ::SendMessageW(MainWindow(), WM_COMMAND, ID_MENU_MAINPANEL, 0);
    EXPECT_TRUE(::IsWindowVisible(MainWindow()));
    EXPECT_TRUE(theApp.m_bMainShown);
    ::SendMessageW(MainWindow(), WM_SYSCOMMAND, SC_CLOSE, 0);
    PumpMessages();
    EXPECT_FALSE(::IsWindowVisible(MainWindow()));
    EXPECT_FALSE(theApp.m_bMainShown);
}

// What the shell sends after each click belongs to it and opens nothing more.
TEST_F(MainPanel, ClicksOpenTheirMenuOnceAtTheAnchor)
{
    for (const UINT press : {WM_LBUTTONDOWN, WM_RBUTTONDOWN}) {
        const OpenedMenu menu = SendToIcon(press, 250, 180);
        EXPECT_EQ(menu.items.size(), press == WM_LBUTTONDOWN ? 6u : 5u);
        EXPECT_EQ(menu.place.left, 250);
        EXPECT_EQ(menu.place.top, 180);
        EXPECT_FALSE(menu.items.front().highlighted);
        for (const UINT after : {press + 1, press == WM_LBUTTONDOWN ? UINT{NIN_SELECT} : UINT{WM_CONTEXTMENU}})
            EXPECT_TRUE(SendToIcon(after).items.empty()) << press << " then " << after;
    }
    EXPECT_EQ(NotifyIconSpy::CountOf(NIM_SETFOCUS), 0);
}

// Enter or Space (reported twice for one press), Shift+F10 or the menu key: the menu opens at the icon with its
// first item highlighted, and the keyboard focus goes back to the notification area afterwards.
TEST_F(MainPanel, KeysOnTheIconOpenTheMenusOnceWithTheFirstItemHighlighted)
{
    const struct {
        UINT event;
        size_t items;
    } keys[] = {{NIN_KEYSELECT, 6}, {WM_CONTEXTMENU, 5}};
    for (const auto& key : keys) {
        const OpenedMenu menu = SendToIcon(key.event, 400, 300);
        ASSERT_EQ(menu.items.size(), key.items);
        EXPECT_EQ(menu.place.left, 400);
        EXPECT_EQ(menu.place.top, 300);
        EXPECT_TRUE(menu.items.front().highlighted);
        EXPECT_EQ(m_notifyCalls.back().message, static_cast<DWORD>(NIM_SETFOCUS));
        EXPECT_TRUE(SendToIcon(key.event).items.empty()) << "the second report of one key press opened a menu";
        PumpMessagesFor(::GetDoubleClickTime() + 50);
    }
    EXPECT_EQ(NotifyIconSpy::CountOf(NIM_SETFOCUS), 2);
}

// Events of another icon (the icon's id in the high word), a click on a notification with no notice open, and garbage.
TEST_F(MainPanel, OtherMessagesOverTheIconDoNothing)
{
    for (LPARAM message :
         std::initializer_list<LPARAM>{WM_MOUSEMOVE, NIN_BALLOONUSERCLICK, MAKELPARAM(WM_LBUTTONDOWN, 1),
                                       MAKELPARAM(NIN_KEYSELECT, 0xFFFF), -1}) {
        g_opened = {};
        const UINT_PTR reader = ::SetTimer(nullptr, 0, 20, &ReadOpenMenu);
        ::SendMessageW(MainWindow(), WM_TRAYNOTIFY, static_cast<WPARAM>(-1), message);
        PumpMessagesFor(60);
        ::KillTimer(nullptr, reader);
        EXPECT_TRUE(g_opened.items.empty()) << message;
    }
    for (HWND hWnd : ThreadWindows()) EXPECT_FALSE(::IsWindowVisible(hWnd));
}

TEST_F(MainPanel, ShowCommandsBringAPanelToTheTopmostBandWhereItWas)
{
    const struct {
        UINT command;
        CWnd* panel;
    } commands[] = {
        {ID_MENU_ALARM, theApp.m_pAlarmDlg},
        {ID_MENU_TIMER, theApp.m_pTimerDlg},
        {ID_MENU_COUNTER, theApp.m_pCounterDlg},
        {ID_MENU_SHUTDOWN, theApp.m_pShutdownDlg},
    };
    int x = 100;
    for (const auto& c : commands) {
        c.panel->SetWindowPos(nullptr, x += 37, 211, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        const RECT before = c.panel->GetWindowRect();
        ::SendMessageW(MainWindow(), WM_COMMAND, c.command, 0);
        EXPECT_TRUE(c.panel->IsWindowVisible());
        EXPECT_TRUE(::GetWindowLongPtrW(c.panel->m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
        const RECT after = c.panel->GetWindowRect();
        EXPECT_TRUE(::EqualRect(&before, &after));
        // Esc hides a feature panel again.
        c.panel->PostMessage(WM_KEYDOWN, VK_ESCAPE);
        PumpMessages();
        EXPECT_FALSE(c.panel->IsWindowVisible());
    }
    EXPECT_FALSE(::IsWindowVisible(MainWindow()));
}

TEST_F(MainPanel, AddsTheIconAgainWhenTheNotificationAreaIsCreatedAnew)
{
    SetStates(0, 0, 1, 0);
    m_notifyCalls.clear();
    ::SendMessageW(MainWindow(), ::RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    ASSERT_EQ(m_notifyCalls.size(), 2u);
    EXPECT_EQ(m_notifyCalls[0].message, static_cast<DWORD>(NIM_ADD));
    EXPECT_EQ(m_notifyCalls[0].data.hIcon, Main().m_trayIcon.Image());
    EXPECT_TRUE(LookOf(m_notifyCalls[0].data.hIcon).active);
    EXPECT_EQ(m_notifyCalls[0].data.hWnd, MainWindow());
    EXPECT_EQ(m_notifyCalls[0].data.uCallbackMessage, static_cast<UINT>(WM_TRAYNOTIFY));
    EXPECT_STREQ(m_notifyCalls[0].data.szTip, L"Hourglade\nカウンター　00:00");
    EXPECT_EQ(m_notifyCalls[1].message, static_cast<DWORD>(NIM_SETVERSION));
}

TEST_F(MainPanel, RemovesTheIconWhenItsWindowIsDestroyed)
{
    const HWND main = MainWindow();
    m_notifyCalls.clear();
    EndApp();
    ASSERT_EQ(m_notifyCalls.size(), 1u);
    EXPECT_EQ(m_notifyCalls[0].message, static_cast<DWORD>(NIM_DELETE));
    EXPECT_EQ(m_notifyCalls[0].data.hWnd, main);
    EXPECT_EQ(m_notifyCalls[0].data.uID, 0u);
}

// The web page: what the shell is asked to open, and the message when it cannot.
struct ShellCall {
    HWND owner;
    std::wstring verb, file;
    bool withParameters, withDirectory;
    INT show;
};
std::vector<ShellCall> g_shellCalls;
INT_PTR g_shellResult = 42;

HINSTANCE WINAPI RecordShellExecute(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters, LPCWSTR directory,
                                    INT show)
{
    g_shellCalls.push_back(
        {owner, verb ? verb : L"", file ? file : L"", parameters != nullptr, directory != nullptr, show});
    return reinterpret_cast<HINSTANCE>(g_shellResult);
}

class Website : public MainPanel {
protected:
    void SetUp() override
    {
        MainPanel::SetUp();
        g_shellCalls.clear();
        ASSERT_TRUE(m_shellPatch.IsApplied());
    }
    ImportPatch m_shellPatch{"shell32.dll", "ShellExecuteW", reinterpret_cast<void*>(&RecordShellExecute)};
};

TEST_F(Website, OpensTheProductPageWithTheShell)
{
    g_shellResult = 42;
    PopupWatcher watcher;  // no message may open
    ::SendMessageW(MainWindow(), WM_COMMAND, MAKEWPARAM(IDC_WEBSITE, BN_CLICKED), 0);
    ASSERT_EQ(g_shellCalls.size(), 1u);
    const ShellCall& call = g_shellCalls[0];
    EXPECT_EQ(call.owner, nullptr);
    EXPECT_EQ(call.verb, L"open");
    EXPECT_EQ(call.file.rfind(L"http://", 0), 0u) << "not a plain-HTTP address";
    EXPECT_TRUE(call.file.ends_with(L"/Hourglade/index.htm"));
    EXPECT_FALSE(call.withParameters);
    EXPECT_FALSE(call.withDirectory);
    EXPECT_EQ(call.show, SW_SHOW);
    EXPECT_EQ(watcher.SeenCount(), 0);
}

TEST_F(Website, SaysSoWhenThePageCannotBeOpened)
{
    g_shellResult = 32;
    PopupWatcher watcher;
    std::wstring text, caption;
    watcher.Then([&](HWND box) {
        text = ControlText(box, 0xFFFF);
        wchar_t title[64] = {};
        ::GetWindowTextW(box, title, 64);
        caption = title;
        ::PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    ::SendMessageW(MainWindow(), WM_COMMAND, MAKEWPARAM(IDC_WEBSITE, BN_CLICKED), 0);
    EXPECT_EQ(watcher.SeenCount(), 1);
    EXPECT_EQ(text, L"ウェブサイトが開けません。");
    EXPECT_EQ(caption, TestAppName());
}

}  // namespace
