// What a screen reader finds in the drawn controls and the time field, in both languages, asks of the lists, and hears
// as the user moves through them; the notice shown by the icon too; and the drawn controls' colours in a high-contrast
// theme.
#include <oleacc.h>

#include <array>
#include <optional>
#include <tuple>
#include <vector>

#include "app/HourgladeApp.h"
#include "controls/DropDownLayout.h"
#include "controls/PickerLayout.h"
#include "controls/TComboBox.h"
#include "mainpanel/MainDlg.h"
#include "panels/ShutdownDlg.h"
#include "res/resource.h"
#include "tests/TextList.h"
#include "tests/wine/FakeDisplayLanguage.h"
#include "tests/wine/FakeHighContrast.h"
#include "tests/wine/FakeSecondTicks.h"
#include "tests/wine/NotifyIconSpy.h"
#include "tests/wine/TimeFieldHarness.h"

namespace {

// The client area's object of a window, as a screen reader asks for it.
class Accessible {
public:
    explicit Accessible(HWND window)
    {
        ::AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                     reinterpret_cast<void**>(&m_object));
    }
    ~Accessible()
    {
        if (m_object) m_object->Release();
    }
    Accessible(const Accessible&) = delete;
    Accessible& operator=(const Accessible&) = delete;

    std::wstring Name(long child = CHILDID_SELF) const { return Text(&IAccessible::get_accName, child); }
    std::wstring Value(long child = CHILDID_SELF) const { return Text(&IAccessible::get_accValue, child); }
    long Role(long child = CHILDID_SELF) const { return Number(&IAccessible::get_accRole, child); }
    long State(long child = CHILDID_SELF) const { return Number(&IAccessible::get_accState, child); }
    long ChildCount() const
    {
        long count = -1;
        if (m_object) m_object->get_accChildCount(&count);
        return count;
    }
    // The child that the object answers with: none for VT_EMPTY.
    std::optional<long> Navigate(long direction, long start) const
    {
        VARIANT end{};
        return ChildIn(m_object->accNavigate(direction, Child(start), &end), end);
    }
    std::optional<long> HitTest(POINT screen) const
    {
        VARIANT found{};
        return ChildIn(m_object->accHitTest(screen.x, screen.y, &found), found);
    }
    std::pair<std::optional<long>, std::optional<long>> FocusAndSelection() const
    {
        VARIANT focus{}, selection{};
        return {ChildIn(m_object->get_accFocus(&focus), focus),
                ChildIn(m_object->get_accSelection(&selection), selection)};
    }
    // A child's rectangle on the screen: left, top, right, bottom.
    std::array<long, 4> Location(long child) const
    {
        long left = 0, top = 0, width = 0, height = 0;
        m_object->accLocation(&left, &top, &width, &height, Child(child));
        return {left, top, left + width, top + height};
    }
    IAccessible* operator->() const { return m_object; }

    static VARIANT Child(long child)
    {
        VARIANT id{};
        id.vt = VT_I4;
        id.lVal = child;
        return id;
    }

private:
    // A failure, or an answer that is neither a child id nor VT_EMPTY, as no child id does.
    static std::optional<long> ChildIn(HRESULT result, const VARIANT& answer)
    {
        if (FAILED(result) || (answer.vt != VT_EMPTY && answer.vt != VT_I4)) return -100;
        return answer.vt == VT_I4 ? std::optional<long>(answer.lVal) : std::nullopt;
    }
    std::wstring Text(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*), long child) const
    {
        BSTR text = nullptr;
        if (!m_object || (m_object->*get)(Child(child), &text) != S_OK || !text) return L"(none)";
        std::wstring result(text);
        ::SysFreeString(text);
        return result;
    }
    long Number(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*), long child) const
    {
        VARIANT number{};
        if (!m_object || (m_object->*get)(Child(child), &number) != S_OK || number.vt != VT_I4) return -1;
        return number.lVal;
    }

    IAccessible* m_object = nullptr;
};

class ScreenReader : public TimeFieldTest, public ::testing::WithParamInterface<Language> {
protected:
    void SetUp() override
    {
        fake_language::Set(GetParam() == Language::Japanese ? MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT)
                                                            : MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
        TimeFieldTest::SetUp();
    }
    const std::wstring& Text(TextId id) const { return Listed(GetParam())[id]; }
    std::wstring DigitName(TextId place, const wchar_t* digit) const
    {
        return Listed(GetParam()).Format(TextId::DigitButtonName, Text(place), digit);
    }
};

TEST_P(ScreenReader, FindsTheDrawnControlsAsNamedListsAndAComboBoxAndEveryButtonNamed)
{
    const HWND powerOff = ShowPanel(Panel::Shutdown);
    const HWND timer = ShowPanel(Panel::Timer);
    EXPECT_EQ(Accessible(::GetDlgItem(powerOff, IDC_DIGIT1)).Name(), DigitName(TextId::PlaceHoursTens, L"0"));
    SetDigits(timer, {L"0", L"0", L"5", L"0"});
    EXPECT_EQ(Accessible(::GetDlgItem(timer, IDC_DIGIT3)).Name(), DigitName(TextId::PlaceSecondsTens, L"5"));
    EXPECT_EQ(Accessible(::GetDlgItem(timer, IDC_DIGIT2)).Name(), DigitName(TextId::PlaceMinutesUnits, L"0"));
    EXPECT_EQ(Accessible(::GetDlgItem(timer, IDC_HISTORY)).Name(), Text(TextId::RecentTimes));

    const Accessible selector(::GetDlgItem(powerOff, IDC_MODE));
    EXPECT_EQ(std::tuple(selector.Role(), selector.Name(), selector.Value()),
              std::tuple(long{ROLE_SYSTEM_COMBOBOX}, Text(TextId::SelectorName), Text(TextId::ModeShutdown)));
    EXPECT_TRUE(selector.State() & STATE_SYSTEM_COLLAPSED);

    // The power-off's hours: 0 to 2 may be chosen, the others are unavailable.
    Watcher().Then([this](HWND picker) {
        const Accessible list(picker);
        EXPECT_EQ(std::tuple(list.Role(), list.Name(), list.ChildCount()),
                  std::tuple(long{ROLE_SYSTEM_LIST}, Text(TextId::PickerName), 10L));
        EXPECT_EQ(std::tuple(list.Role(4), list.Name(4)), std::tuple(long{ROLE_SYSTEM_LISTITEM}, std::wstring(L"3")));
        EXPECT_TRUE(list.State(4) & STATE_SYSTEM_UNAVAILABLE);
        EXPECT_FALSE(list.State(3) & (STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_FOCUSED));
        PostKey(picker, VK_DOWN);
        PumpMessages();
        EXPECT_EQ(list.State(1) & (STATE_SYSTEM_FOCUSED | STATE_SYSTEM_SELECTED),
                  STATE_SYSTEM_FOCUSED | STATE_SYSTEM_SELECTED);
        EndPopup(picker, -1);
    });
    Click(powerOff, IDC_DIGIT1);

    PanelObject(Panel::Shutdown).m_history = {L"07:30", L"21:05"};
    Watcher().Then([this](HWND dropDown) {
        const Accessible list(dropDown);
        EXPECT_EQ(std::tuple(list.Role(), list.Name(), list.ChildCount(), list.Name(2)),
                  std::tuple(long{ROLE_SYSTEM_LIST}, Text(TextId::RecentTimes), 2L, std::wstring(L"21:05")));
        EXPECT_EQ(std::tuple(list.Name(3), list.Role(3)), std::tuple(std::wstring(L"(none)"), -1L)) << "no third row";
        EndPopup(dropDown, -1);
    });
    Click(powerOff, IDC_HISTORY);

    // The error popup is named by its message.
    Watcher().Then([this](HWND popup) {
        EXPECT_EQ(Accessible(popup).Name(), Text(TextId::RefusalHourAbove23));
        EndPopup(popup, -1);
    });
    SetDigits(powerOff, {L"2", L"4", L"0", L"0"});
    Click(powerOff, IDC_SET);
    EXPECT_EQ(Watcher().SeenCount(), 3);
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, ScreenReader, ::testing::Values(Language::Japanese, Language::English),
                         [](const auto& info) { return info.param == Language::Japanese ? "Japanese" : "English"; });

// What a screen reader asks of the digit picker and the history drop-down beyond their names: the way from item to
// item, where each item is on the screen and which is at a point, and the highlight as the focus and the selection.
using ScreenReaderLists = TimeFieldTest;
using Highlight = std::pair<std::optional<long>, std::optional<long>>;

TEST_F(ScreenReaderLists, GiveTheWayBetweenTheItemsTheirPlacesAndTheHighlight)
{
    const HWND powerOff = ShowPanel(Panel::Shutdown);
    // The hours' tens: the grey digits are items in their places too.
    Watcher().Then([](HWND picker) {
        const Accessible list(picker);
        const struct {
            long direction, start;
            std::optional<long> end;
        } steps[] = {
            {NAVDIR_FIRSTCHILD, CHILDID_SELF, 1},
            {NAVDIR_LASTCHILD, CHILDID_SELF, 10},
            {NAVDIR_NEXT, 3, 4},
            {NAVDIR_PREVIOUS, 3, 2},
            {NAVDIR_PREVIOUS, 1, std::nullopt},
            {NAVDIR_NEXT, 10, std::nullopt},
        };
        for (const auto& step : steps)
            EXPECT_EQ(list.Navigate(step.direction, step.start), step.end) << step.direction << " from " << step.start;
        VARIANT end{};
        EXPECT_EQ(list->accNavigate(NAVDIR_PREVIOUS, Accessible::Child(11), &end), E_INVALIDARG) << "from no item";

        POINT origin{};
        ::ClientToScreen(picker, &origin);
        for (const int digit : {0, 9}) {
            const Rect cell = PickerLayout(theApp.ScreenScale()).CellRect(digit);
            EXPECT_EQ(list.Location(digit + 1), (std::array<long, 4>{origin.x + cell.left, origin.y + cell.top,
                                                                     origin.x + cell.right, origin.y + cell.bottom}));
            EXPECT_EQ(list.HitTest({origin.x + cell.right - 1, origin.y + cell.bottom - 1}), digit + 1);
        }
        RECT window{};
        ::GetWindowRect(picker, &window);
        EXPECT_EQ(list.HitTest({window.right - 1, window.bottom - 1}), CHILDID_SELF) << "in the picker, on no digit";

        EXPECT_EQ(list.FocusAndSelection(), Highlight(CHILDID_SELF, std::nullopt)) << "nothing highlighted";
        PostKey(picker, VK_DOWN);
        PostKey(picker, VK_RIGHT);
        PumpMessages();
        EXPECT_EQ(list.FocusAndSelection(), Highlight(2, 2));
        EndPopup(picker, -1);
    });
    Click(powerOff, IDC_DIGIT1);

    PanelObject(Panel::Shutdown).m_history = {L"07:30", L"21:05"};
    Watcher().Then([](HWND dropDown) {
        const Accessible list(dropDown);
        EXPECT_EQ(std::tuple(list.Navigate(NAVDIR_DOWN, 1), list.Navigate(NAVDIR_UP, 1), list.Navigate(NAVDIR_DOWN, 2)),
                  std::tuple(std::optional<long>(2), std::optional<long>(), std::optional<long>()));
        const Rect band = DropDownLayout(theApp.ScreenScale()).HighlightBand(1, ClientOf(dropDown));
        POINT corners[] = {{band.left, band.top}, {ClientOf(dropDown).right, band.bottom}};
        ::MapWindowPoints(dropDown, nullptr, corners, 2);
        EXPECT_EQ(list.Location(2), (std::array<long, 4>{corners[0].x, corners[0].y, corners[1].x, corners[1].y}));
        EXPECT_EQ(list.HitTest({corners[1].x - 1, corners[1].y - 1}), 2);
        PostKey(dropDown, VK_UP);
        PumpMessages();
        EXPECT_EQ(list.FocusAndSelection(), Highlight(2, 2));
        EndPopup(dropDown, -1);
    });
    Click(powerOff, IDC_HISTORY);
}

// A screen reader may hold a list's object after the list has closed: every call then says that it is disconnected.
TEST_F(ScreenReaderLists, AnObjectHeldAfterItsListClosedAnswersThatItIsDisconnected)
{
    const HWND powerOff = ShowPanel(Panel::Shutdown);
    std::optional<Accessible> held;
    Watcher().Then([&](HWND picker) {
        held.emplace(picker);
        ASSERT_EQ(held->ChildCount(), 10);
        EndPopup(picker, -1);
    });
    Click(powerOff, IDC_DIGIT1);
    ASSERT_TRUE(held);

    const VARIANT self = Accessible::Child(CHILDID_SELF);
    BSTR name = nullptr;
    long count = 0, left = 0, top = 0, width = 0, height = 0;
    VARIANT answer{};
    const std::pair<const char*, HRESULT> calls[] = {
        {"get_accName", (*held)->get_accName(self, &name)},
        {"get_accChildCount", (*held)->get_accChildCount(&count)},
        {"accLocation", (*held)->accLocation(&left, &top, &width, &height, Accessible::Child(1))},
        {"accHitTest", (*held)->accHitTest(0, 0, &answer)},
        {"accNavigate", (*held)->accNavigate(NAVDIR_FIRSTCHILD, self, &answer)},
        {"get_accFocus", (*held)->get_accFocus(&answer)},
        {"get_accSelection", (*held)->get_accSelection(&answer)},
    };
    for (const auto& [call, result] : calls) EXPECT_EQ(result, RPC_E_DISCONNECTED) << call;
}

// The events a screen reader hears, as an in-process hook sees them: the event, the window and the child.
std::vector<std::tuple<DWORD, HWND, long>> g_events;

void CALLBACK RecordEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD)
{
    if (object == OBJID_CLIENT) g_events.emplace_back(event, window, child);
}

class ScreenReaderEvents : public TimeFieldTest {
protected:
    void SetUp() override
    {
        TimeFieldTest::SetUp();
        m_hook = ::SetWinEventHook(EVENT_OBJECT_REORDER, EVENT_OBJECT_VALUECHANGE, nullptr, &RecordEvent,
                                   ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
        g_events.clear();
    }
    void TearDown() override
    {
        ::UnhookWinEvent(m_hook);
        TimeFieldTest::TearDown();
    }
    // The events since the last look, of one window.
    static std::vector<std::pair<DWORD, long>> EventsOf(HWND window)
    {
        PumpMessages();
        std::vector<std::pair<DWORD, long>> events;
        for (const auto& [event, source, child] : g_events)
            if (source == window) events.emplace_back(event, child);
        g_events.clear();
        return events;
    }

    HWINEVENTHOOK m_hook = nullptr;
};

using Events = std::vector<std::pair<DWORD, long>>;

TEST_F(ScreenReaderEvents, HearTheHighlightMoveARowGoAndTheChoiceChange)
{
    const HWND powerOff = ShowPanel(Panel::Shutdown);
    Watcher().Then([](HWND picker) {
        EXPECT_EQ(EventsOf(picker), (Events{{EVENT_OBJECT_FOCUS, CHILDID_SELF}})) << "at the opening";
        PostKey(picker, VK_DOWN);
        PostKey(picker, VK_RIGHT);
        PumpMessages();
        EXPECT_EQ(EventsOf(picker), (Events{{EVENT_OBJECT_SELECTION, 1},
                                            {EVENT_OBJECT_FOCUS, 1},
                                            {EVENT_OBJECT_SELECTION, 2},
                                            {EVENT_OBJECT_FOCUS, 2}}));
        EndPopup(picker, -1);
    });
    Click(powerOff, IDC_DIGIT2);

    PanelObject(Panel::Shutdown).m_history = {L"07:30", L"21:05"};
    Watcher().Then([](HWND dropDown) {
        EventsOf(dropDown);
        PostKey(dropDown, VK_DOWN);
        PostKey(dropDown, VK_DELETE);
        PumpMessages();
        EXPECT_EQ(EventsOf(dropDown), (Events{{EVENT_OBJECT_SELECTION, 1},
                                              {EVENT_OBJECT_FOCUS, 1},
                                              {EVENT_OBJECT_REORDER, CHILDID_SELF},
                                              {EVENT_OBJECT_SELECTION, 1},
                                              {EVENT_OBJECT_FOCUS, 1}}));
        EndPopup(dropDown, -1);
    });
    Click(powerOff, IDC_HISTORY);

    // Tab from Set reaches the selector, where Down chooses sleep.
    const HWND selector = ::GetDlgItem(powerOff, IDC_MODE);
    FocusControl(powerOff, IDC_SET);
    PressKeys({VK_TAB});
    ASSERT_EQ(::GetFocus(), selector);
    PressKeys({VK_DOWN});
    EXPECT_EQ(theApp.m_pShutdownDlg->m_cbMode.GetCurSel(), 1);
    const Events events = EventsOf(selector);
    EXPECT_NE(std::find(events.begin(), events.end(), std::pair<DWORD, long>{EVENT_OBJECT_VALUECHANGE, CHILDID_SELF}),
              events.end());
    Watcher().Then([](HWND list) { PostKey(list, VK_ESCAPE); });
    PressKeys({VK_F4});
    const Events opened = EventsOf(selector);
    EXPECT_EQ(std::count(opened.begin(), opened.end(), std::pair<DWORD, long>{EVENT_OBJECT_STATECHANGE, CHILDID_SELF}),
              2)
        << "the list opened and closed";
}

// A panel that disables Stop while it has the focus gives the focus to Set first, and a screen reader hears it go
// there.
TEST_F(ScreenReaderEvents, TheFocusNeverRestsOnADisabledControl)
{
    const HWND timer = ShowPanel(Panel::Timer);
    const HWND set = ::GetDlgItem(timer, IDC_SET);
    SetDigits(timer, {L"0", L"0", L"0", L"5"});
    Click(timer, IDC_SET);
    FocusControl(timer, IDC_STOP);
    EventsOf(set);
    Click(timer, IDC_SET);
    EXPECT_FALSE(IsEnabled(timer, IDC_STOP));
    EXPECT_EQ(::GetFocus(), set);
    EXPECT_EQ(EventsOf(set), (Events{{EVENT_OBJECT_FOCUS, CHILDID_SELF}}));
}

// The icon shows an open notice as its notification, takes it away when the notice closes, and a click on it brings
// the notice to the front with the keyboard.
using Notification = TimeFieldTest;

TEST_F(Notification, TheIconShowsTheNoticeAndAClickOnItBringsTheNoticeForward)
{
    NotifyIconSpy spy;
    ASSERT_TRUE(spy.IsApplied());
    const HWND timer = ShowPanel(Panel::Timer);
    SetDigits(timer, {L"0", L"0", L"0", L"1"});
    Click(timer, IDC_SET);
    Watcher().Then([&spy, timer](HWND notice) {
        const NOTIFYICONDATAW& shown = spy.Calls().back().data;
        EXPECT_EQ(std::tuple(spy.Calls().back().message, shown.uFlags, std::wstring(shown.szInfoTitle),
                             std::wstring(shown.szInfo), shown.dwInfoFlags),
                  std::tuple(DWORD{NIM_MODIFY}, UINT{NIF_INFO}, std::wstring(L"Hourglade"),
                             ControlText(notice, IDC_NOTICE_TEXT),
                             DWORD{NIIF_INFO | NIIF_NOSOUND | NIIF_RESPECT_QUIET_TIME}));
        ::SetForegroundWindow(timer);
        ::SendMessageW(theApp.m_pMainDlg->m_hWnd, WM_TRAYNOTIFY, 0, MAKELPARAM(NIN_BALLOONUSERCLICK, 0));
        EXPECT_EQ(::GetForegroundWindow(), notice);
        EXPECT_EQ(::GetAncestor(::GetFocus(), GA_ROOT), notice);
        EndPopup(notice, 0);
    });
    fake_ticks::Tick(timer);
    ASSERT_EQ(Watcher().SeenCount(), 1);
    EXPECT_EQ(std::tuple(spy.Calls().back().data.uFlags, std::wstring(spy.Calls().back().data.szInfo)),
              std::tuple(UINT{NIF_INFO}, std::wstring()))
        << "the notification stayed";
}

// In a high-contrast theme the drawn controls paint with the system's colours alone.
using HighContrast = TimeFieldTest;

TEST_F(HighContrast, TheDrawnControlsTakeTheSystemsColours)
{
    constexpr SystemColours kTheme{{10, 20, 30}, {250, 240, 230}, {0, 120, 215}, {255, 255, 0}, {128, 128, 0}};
    fake_high_contrast::Set(kTheme);
    const HWND powerOff = ShowPanel(Panel::Shutdown);
    const HWND selector = ::GetDlgItem(powerOff, IDC_MODE);
    ::InvalidateRect(selector, nullptr, TRUE);
    EXPECT_EQ(ClientPixel(selector, {ClientOf(selector).right - 2, 1}), kTheme.window);
    Watcher().Then([&](HWND picker) {
        EXPECT_EQ(ClientPixel(picker, {2, 40}), kTheme.window);
        PostKey(picker, VK_DOWN);
        PumpMessages();
        EXPECT_EQ(ClientPixel(picker, {4, 4}), kTheme.highlight);
        EndPopup(picker, -1);
    });
    Click(powerOff, IDC_DIGIT1);
    fake_high_contrast::Set(std::nullopt);
}

}  // namespace
