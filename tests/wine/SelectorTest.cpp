// The selector on the power-off panel's placeholder, pressed and driven through its list as the user drives it.
#include <array>
#include <optional>
#include <vector>

#include "app/HourgladeApp.h"
#include "controls/DropDownLayout.h"
#include "controls/SelectorLayout.h"
#include "controls/TComboBox.h"
#include "framework/Gdi.h"
#include "res/resource.h"
#include "tests/TextList.h"
#include "tests/wine/TimeFieldHarness.h"

namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kChevron{64, 64, 64};
constexpr Rgb kBand{144, 144, 255};

// The power-off panel's template with a selector of its own, filled as the panel fills it.
class ModeDialog : public CDialog {
public:
    ModeDialog() : CDialog(IDD_SHUTDOWN), m_cbMode(theApp.ScreenScale(), Japanese(TextId::SelectorName)) {}

    TComboBox m_cbMode;
    // Clicks the placeholder reported to its dialog.
    int m_nModeClicks = 0;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        for (const TextId mode : {TextId::ModeShutdown, TextId::ModeSleep, TextId::ModeHibernate})
            m_cbMode.m_dropDown.m_items.push_back(Japanese(mode));
        m_cbMode.m_dropDown.m_nCurSel = 0;
        return TRUE;
    }
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_MODE, m_cbMode); }
    void OnModeClicked() { ++m_nModeClicks; }

    DECLARE_MESSAGE_MAP()
};

// clang-format off
BEGIN_MESSAGE_MAP(ModeDialog, CDialog)
    ON_COMMAND(IDC_MODE, OnModeClicked)
END_MESSAGE_MAP()
// clang-format on

// Every pixel of a window's client area, row by row, as it is shown after any pending paint.
std::vector<Rgb> Picture(HWND window)
{
    ::UpdateWindow(window);
    const Rect client = ClientOf(window);
    const WindowDC dc(window);
    std::vector<Rgb> pixels;
    for (int y = 0; y < client.bottom; ++y) {
        for (int x = 0; x < client.right; ++x) {
            const COLORREF pixel = ::GetPixel(dc.Get(), x, y);
            pixels.push_back({GetRValue(pixel), GetGValue(pixel), GetBValue(pixel)});
        }
    }
    return pixels;
}

bool HasUpdateRegion(HWND window)
{
    return ::GetUpdateRect(window, nullptr, FALSE);
}

// Places in a row of the list: its top-left corner, which its text never covers, its text, and its right end.
enum class InRow { Corner, Text, RightEnd };

Point At(HWND list, int row, InRow place = InRow::Text)
{
    const Rect band = DropDownLayout(theApp.ScreenScale()).HighlightBand(row, ClientOf(list));
    switch (place) {
    case InRow::Corner:
        return {band.left, band.top};
    case InRow::Text:
        break;
    case InRow::RightEnd:
        return {ClientOf(list).right - 2, OverRow(list, row).y};
    }
    return OverRow(list, row);
}

// Well clear of the list, above the field.
constexpr Point kOutsideTheList{-10, -40};

class Selector : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        StartApp();
        // Constructed once the screen's scale is known, as the panels are.
        m_dialog.emplace();
        ASSERT_TRUE(m_dialog->Create(IDD_SHUTDOWN));
        m_dialog->ShowWindow(SW_SHOW);
        ::UpdateWindow(m_dialog->m_hWnd);
        // Watches only the lists opened from here on.
        m_watcher.emplace();
    }
    void TearDown() override
    {
        m_watcher.reset();
        if (m_dialog) m_dialog->DestroyWindow();
        m_dialog.reset();
        AppTest::TearDown();
    }

    TComboBox& Mode() { return m_dialog->m_cbMode; }
    HWND Field() const { return m_dialog->m_cbMode.m_hWnd; }

    // Presses the field and runs the action on the list it opens, inside the list's modal run.
    void Open(PopupWatcher::Action action)
    {
        m_watcher->Then(std::move(action));
        PressAt(Field(), {4, 4});
        EXPECT_EQ(m_watcher->SeenCount(), ++m_opened) << "no list opened";
    }

    // The field's picture when the owner sets the choice directly.
    std::vector<Rgb> PictureShowing(int choice)
    {
        Mode().m_dropDown.m_nCurSel = choice;
        ::InvalidateRect(Field(), nullptr, TRUE);
        return Picture(Field());
    }

    std::optional<ModeDialog> m_dialog;
    std::optional<PopupWatcher> m_watcher;
    int m_opened = 0;
};

TEST_F(Selector, ShowsItsFirstRowInBlackOnWhiteWithTheChevronAtEveryScale)
{
    const SelectorLayout layout(theApp.ScreenScale());
    const Rect client = ClientOf(Field());
    const Point text = layout.TextOrigin();
    const std::array<Point, 3> chevron = layout.Chevron(client);

    // The chevron's left end and tip are drawn; its right end is left out.
    EXPECT_EQ(ClientPixel(Field(), chevron[0]), kChevron);
    EXPECT_EQ(ClientPixel(Field(), chevron[1]), kChevron);
    EXPECT_EQ(ClientPixel(Field(), chevron[2]), kWhite);

    // White wherever neither the text nor the chevron reaches, up to the edges: no frame shows.
    for (const Rect& blank : {Rect{0, 0, text.x, client.bottom}, Rect{0, 0, client.right, text.y},
                              Rect{chevron[2].x, 0, client.right, client.bottom}}) {
        EXPECT_EQ(DarkestPixel(Field(), blank), kWhite) << blank.left << "," << blank.top;
    }
    const Rgb ink = DarkestPixel(Field(), {text.x, text.y, chevron[0].x, client.bottom});
    EXPECT_TRUE(IsNear(ink, kBlack)) << ink;
    EXPECT_EQ(Mode().GetCurSel(), 0);
}

TEST_F(Selector, AChoiceThatNamesNoRowShowsNoText)
{
    PictureShowing(3);
    const Point text = SelectorLayout(theApp.ScreenScale()).TextOrigin();
    const Rect client = ClientOf(Field());
    EXPECT_EQ(DarkestPixel(Field(), {text.x, text.y, client.right / 2, client.bottom}), kWhite);
}

TEST_F(Selector, ListOpensDirectlyBelowAsWideAsTheFieldWithTheChoiceHighlightedSize)
{
    RECT field{};
    ::GetWindowRect(Field(), &field);
    Mode().m_dropDown.m_nCurSel = 1;
    Open([&](HWND list) {
        RECT place{};
        ::GetWindowRect(list, &place);
        EXPECT_EQ(place.left, field.left);
        EXPECT_EQ(place.top, field.bottom);
        EXPECT_EQ(place.right - place.left, field.right - field.left);
        EXPECT_EQ(place.bottom - place.top, static_cast<int>((18 * 3 + 4) * theApp.m_dScaleY));
        EXPECT_EQ(::GetCapture(), list);

        EXPECT_EQ(ClientPixel(list, At(list, 1, InRow::Corner)), kBand);
        EXPECT_EQ(ClientPixel(list, At(list, 0, InRow::Corner)), kWhite);
        MovePointer(list, At(list, 0));
        EXPECT_EQ(ClientPixel(list, At(list, 1, InRow::Corner)), kWhite);
        EXPECT_EQ(ClientPixel(list, At(list, 0, InRow::Corner)), kBand);
        PostKey(list, VK_ESCAPE);
    });
    EXPECT_EQ(Mode().GetCurSel(), 1);
}

TEST_F(Selector, ChoosingAnotherRowShowsItAndGetCurSelReadsIt)
{
    const std::vector<Rgb> sleep = PictureShowing(1);
    const std::vector<Rgb> shutdown = PictureShowing(0);
    ASSERT_NE(sleep, shutdown);

    Open([](HWND list) { ChooseRow(list, 1); });
    EXPECT_EQ(Mode().GetCurSel(), 1);
    EXPECT_EQ(Mode().m_dropDown.m_nCurSel, 1);
    EXPECT_TRUE(HasUpdateRegion(Field()));
    EXPECT_EQ(Picture(Field()), sleep);

    Open([](HWND list) { ChooseRow(list, 2); });
    EXPECT_EQ(Mode().GetCurSel(), 2);
    EXPECT_EQ(Mode().m_dropDown.m_items.size(), 3u);
    EXPECT_EQ(m_dialog->m_nModeClicks, 0) << "the dialog was told of the presses";
}

TEST_F(Selector, ChoosingTheCurrentRowAgainRequestsNoRepaint)
{
    ::UpdateWindow(Field());
    // The right end of a row, where the history lists have their delete mark, chooses the row too.
    Open([](HWND list) {
        MovePointer(list, At(list, 0, InRow::RightEnd));
        PressAt(list, At(list, 0, InRow::RightEnd));
        if (::IsWindowVisible(list)) {
            ADD_FAILURE() << "the press did not close the list";
            EndPopup(list, -1);
        }
    });
    EXPECT_FALSE(HasUpdateRegion(Field()));
    EXPECT_EQ(Mode().GetCurSel(), 0);
    EXPECT_EQ(Mode().m_dropDown.m_items.size(), 3u);
    EXPECT_TRUE(Mode().m_dropDown.m_removed.empty());

    // A press before the pointer has moved takes the highlighted current row.
    Open([](HWND list) { PressAt(list, At(list, 2)); });
    EXPECT_FALSE(HasUpdateRegion(Field()));
    EXPECT_EQ(Mode().GetCurSel(), 0);
}

TEST_F(Selector, APressOutsideTheListOrEscKeepsThePreviousChoice)
{
    Open([](HWND list) { ChooseRow(list, 2); });
    const std::vector<Rgb> hibernate = Picture(Field());

    Open([](HWND list) {
        MovePointer(list, At(list, 0));
        PostKey(list, VK_ESCAPE);
    });
    EXPECT_EQ(Mode().GetCurSel(), 2);
    EXPECT_EQ(Mode().m_dropDown.m_nCurSel, 2);
    EXPECT_FALSE(HasUpdateRegion(Field()));

    Open([](HWND list) {
        MovePointer(list, At(list, 1));
        MovePointer(list, kOutsideTheList);
        PressAt(list, kOutsideTheList);
    });
    EXPECT_EQ(Mode().GetCurSel(), 2);
    EXPECT_EQ(Mode().m_dropDown.m_nCurSel, 2);
    EXPECT_EQ(Picture(Field()), hibernate);
}

// The power-off panel reads the mode at its clock's ticks, which go on while the list is open.
TEST_F(Selector, WhileTheListIsOpenGetCurSelAndTheFieldKeepTheConfirmedChoice)
{
    Open([](HWND list) { ChooseRow(list, 1); });
    const std::vector<Rgb> sleep = Picture(Field());

    Open([&](HWND list) {
        MovePointer(list, kOutsideTheList);
        EXPECT_EQ(Mode().m_dropDown.m_nCurSel, -1);
        EXPECT_EQ(Mode().GetCurSel(), 1);
        ::InvalidateRect(Field(), nullptr, TRUE);
        EXPECT_EQ(Picture(Field()), sleep);

        MovePointer(list, At(list, 2));
        EXPECT_EQ(Mode().m_dropDown.m_nCurSel, 2);
        EXPECT_EQ(Mode().GetCurSel(), 1);
        ::InvalidateRect(Field(), nullptr, TRUE);
        EXPECT_EQ(Picture(Field()), sleep);
        PostKey(list, VK_ESCAPE);
    });
    EXPECT_EQ(Mode().GetCurSel(), 1);
}

// With the focus, the arrows, Home and End change the choice (where they stop is ChoiceAfter's table), F4 and Alt+Down
// open the list; other keys do nothing. A focus rectangle inside the field shows the focus.
TEST_F(Selector, TheKeysChangeTheChoiceAndOpenTheListAndTheFocusShows)
{
    const Rect topEdge{1, 1, 20, 2};
    EXPECT_EQ(DarkestPixel(Field(), topEdge), kWhite);
    ::SetFocus(Field());
    EXPECT_NE(DarkestPixel(Field(), topEdge), kWhite) << "no focus rectangle";
    EXPECT_EQ(::SendMessageW(Field(), WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS);
    const struct {
        UINT key;
        int choice;
    } keys[] = {{VK_DOWN, 1}, {VK_RIGHT, 2}, {VK_UP, 1},     {VK_HOME, 0}, {VK_END, 2},
                {VK_LEFT, 1}, {VK_SPACE, 1}, {VK_RETURN, 1}, {VK_NEXT, 1}};
    for (const auto& k : keys) {
        ::SendMessageW(Field(), WM_KEYDOWN, k.key, 1);
        EXPECT_EQ(Mode().GetCurSel(), k.choice) << k.key;
    }
    Open([](HWND list) { PostKey(list, VK_ESCAPE); });
    m_watcher->Then([](HWND list) { PostKey(list, VK_RETURN); });
    ::SendMessageW(Field(), WM_KEYDOWN, VK_F4, 1);
    m_watcher->Then([](HWND list) { PostKey(list, VK_ESCAPE); });
    ::SendMessageW(Field(), WM_SYSKEYDOWN, VK_DOWN, 1 | (1 << 29));
    EXPECT_EQ(m_watcher->SeenCount(), 3);
    EXPECT_EQ(Mode().GetCurSel(), 1);
    ::SetFocus(::GetDlgItem(m_dialog->m_hWnd, IDC_SET));
    EXPECT_EQ(ClientPixel(Field(), {1, 1}), kWhite);
}

}  // namespace
