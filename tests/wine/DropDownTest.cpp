// The history drop-down, opened from the history button of a time field.
#include "app/HourgladeApp.h"
#include "app/Settings.h"
#include "controls/DropDownLayout.h"
#include "controls/TDropDownDlg.h"
#include "framework/Gdi.h"
#include "res/resource.h"
#include "tests/wine/TimeFieldHarness.h"

namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kFrameTopLeft{192, 192, 192};
constexpr Rgb kFrameBottomRight{220, 220, 220};
constexpr Rgb kBand{144, 144, 255};
constexpr Rgb kRed{255, 0, 0};

DropDownLayout Layout()
{
    return DropDownLayout(theApp.ScreenScale());
}

TDropDownDlg& DropDownOf(HWND popup)
{
    return dynamic_cast<TDropDownDlg&>(*CWnd::FromHandle(popup));
}

// The pointer in a row's delete column.
Point OverDeleteMark(HWND popup, int row)
{
    const Rect square = Layout().DeleteSquare(row, ClientOf(popup));
    return {(square.left + square.right) / 2, (square.top + square.bottom) / 2};
}

void DeleteRow(HWND popup, int row)
{
    MovePointer(popup, OverDeleteMark(popup, row));
    PressAt(popup, OverDeleteMark(popup, row));
}

int HeightOf(HWND popup)
{
    RECT place{};
    ::GetWindowRect(popup, &place);
    return place.bottom - place.top;
}

class HistoryDropDown : public TimeFieldTest {
protected:
    // Shows the panel with a history, most recent first, and digits that no entry has.
    HWND ShowWithHistory(Panel panel, HistoryList history)
    {
        PanelObject(panel).m_history = std::move(history);
        const HWND window = ShowPanel(panel);
        SetDigits(window, {L"1", L"1", L"1", L"1"});
        return window;
    }

    // Clicks the history button and runs the action on the drop-down it opens.
    void Open(HWND panel, PopupWatcher::Action action)
    {
        Watcher().Then(std::move(action));
        Click(panel, IDC_HISTORY);
        EXPECT_EQ(Watcher().SeenCount(), ++m_opened) << "no drop-down opened";
    }

    int m_opened = 0;
};

TEST_F(HistoryDropDown, ListsTheHistoryAscendingDirectlyBelowTheButtonSize)
{
    const HWND panel = ShowWithHistory(Panel::Alarm, {L"07:30", L"08:15", L"06:00"});
    const RECT button = ScreenRectOf(panel, IDC_HISTORY);
    Open(panel, [&](HWND popup) {
        EXPECT_EQ(DropDownOf(popup).m_items, (std::vector<std::wstring>{L"06:00", L"07:30", L"08:15"}));
        RECT place{};
        ::GetWindowRect(popup, &place);
        EXPECT_EQ(place.left, button.left);
        EXPECT_EQ(place.top, button.bottom);
        // 60 pixels at 96 dpi, scaled across like its font and its delete square.
        EXPECT_EQ(place.right - place.left, static_cast<int>(60 * theApp.m_dScaleX));
        EXPECT_EQ(place.bottom - place.top, static_cast<int>((18 * 3 + 4) * theApp.m_dScaleY));
        EXPECT_EQ(::GetCapture(), popup);
        PostKey(popup, VK_ESCAPE);
    });
    EXPECT_EQ(Digits(panel), (DigitTexts{L"1", L"1", L"1", L"1"}));
    EXPECT_FALSE(store::ReadString(kAlarmHistoryValue)) << "closing without deleting wrote the store";
}

// The text must stay clear of the delete mark. (With Meiryo it ends left of the whole square; the prefix's
// stand-in face is wider at the same cell height and reaches a few pixels into the square at every scale.)
TEST_F(HistoryDropDown, EveryEntryEndsLeftOfTheDeleteMarkAtEveryScale)
{
    const HWND panel = ShowWithHistory(Panel::Timer, {L"00:00", L"88:88", L"59:59", L"44:44"});
    Open(panel, [](HWND popup) {
        const DropDownLayout layout = Layout();
        const Rect client = ClientOf(popup);
        const int markLeft = layout.DeleteCross(1, client)[0].from.x;
        MovePointer(popup, OverRow(popup, 1));
        const WindowDC dc(popup);
        const SelectedObject font(dc.Get(), DropDownOf(popup).m_font.Get());
        for (const std::wstring& entry : DropDownOf(popup).m_items) {
            SIZE extent{};
            ::GetTextExtentPoint32W(dc.Get(), entry.c_str(), static_cast<int>(entry.size()), &extent);
            EXPECT_LE(layout.TextOrigin(1).x + extent.cx, markLeft) << ::testing::PrintToString(entry);
        }
        // As painted: no text pixel of a row that is not highlighted lies where the mark would be.
        for (const int row : {0, 2, 3}) {
            const Rect band = layout.HighlightBand(row, client);
            EXPECT_EQ(DarkestPixel(popup, {markLeft, band.top, client.right - 1, band.bottom}), kWhite)
                << "row " << row;
        }
        PostKey(popup, VK_ESCAPE);
    });
}

TEST_F(HistoryDropDown, ChoosingAnEntrySetsTheFourDigits)
{
    const HWND panel = ShowWithHistory(Panel::Timer, {L"10:00", L"03:00", L"25:30"});
    Open(panel, [](HWND popup) { ChooseRow(popup, 2); });
    EXPECT_EQ(Digits(panel), (DigitTexts{L"2", L"5", L"3", L"0"}));
    Open(panel, [](HWND popup) {
        MovePointer(popup, OverRow(popup, 0));
        PostKey(popup, VK_RETURN);
    });
    EXPECT_EQ(Digits(panel), (DigitTexts{L"0", L"3", L"0", L"0"}));
    EXPECT_FALSE(store::ReadString(kTimerHistoryValue));
    // A press outside chooses nothing, whatever was highlighted (Esc is Popup's case).
    Open(panel, [](HWND popup) {
        MovePointer(popup, OverRow(popup, 1));
        MovePointer(popup, {-3, 10});
        PressAt(popup, {-3, 10});
    });
    EXPECT_EQ(Digits(panel), (DigitTexts{L"0", L"3", L"0", L"0"}));
}

TEST_F(HistoryDropDown, DeletesRowsInPlaceAndChoosesInTheSameVisit)
{
    const HWND panel = ShowWithHistory(Panel::Alarm, {L"09:00", L"06:00", L"08:15", L"07:30"});
    Open(panel, [](HWND popup) {
        DeleteRow(popup, 1);  // 07:30
        EXPECT_TRUE(::IsWindowVisible(popup));
        EXPECT_EQ(HeightOf(popup), Layout().WindowHeight(3));
        // The former third row has moved up under the pointer.
        EXPECT_EQ(DropDownOf(popup).m_nCurSel, 1);
        EXPECT_EQ(DropDownOf(popup).m_items, (std::vector<std::wstring>{L"06:00", L"08:15", L"09:00"}));
        ChooseRow(popup, 1);
    });
    EXPECT_EQ(Digits(panel), (DigitTexts{L"0", L"8", L"1", L"5"}));
    const HistoryList& history = PanelObject(Panel::Alarm).m_history;
    EXPECT_EQ(std::vector<std::wstring>(history.begin(), history.end()),
              (std::vector<std::wstring>{L"09:00", L"06:00", L"08:15"}));
    EXPECT_EQ(store::ReadString(kAlarmHistoryValue), L"09:00|06:00|08:15|");
}

TEST_F(HistoryDropDown, DeletingEveryEntryStoresAnEmptyHistory)
{
    const HWND panel = ShowWithHistory(Panel::Shutdown, {L"22:00", L"23:30", L"21:45"});
    Open(panel, [](HWND popup) {
        for (int left = 3; left > 0; --left) DeleteRow(popup, 0);
        EXPECT_TRUE(::IsWindowVisible(popup));
        EXPECT_EQ(HeightOf(popup), static_cast<int>(4 * theApp.m_dScaleY));
        EXPECT_EQ(DropDownOf(popup).m_removed, (std::vector<std::wstring>{L"21:45", L"22:00", L"23:30"}));
        PostKey(popup, VK_ESCAPE);
    });
    EXPECT_TRUE(PanelObject(Panel::Shutdown).m_history.empty());
    EXPECT_EQ(store::ReadString(kShutdownHistoryValue), L"");
    EXPECT_EQ(Digits(panel), (DigitTexts{L"1", L"1", L"1", L"1"}));
}

TEST_F(HistoryDropDown, NeverChoosesARowPastTheEndOfTheList)
{
    const HWND panel = ShowWithHistory(Panel::Alarm, {L"06:00", L"07:30", L"08:15"});
    // The pointer stays where the last row was deleted; the next press is on no row.
    Open(panel, [](HWND popup) {
        DeleteRow(popup, 2);
        PressAt(popup, OverDeleteMark(popup, 2));
    });
    EXPECT_EQ(Digits(panel), (DigitTexts{L"1", L"1", L"1", L"1"}));
    EXPECT_EQ(store::ReadString(kAlarmHistoryValue), L"06:00|07:30|");
    // An empty list is a thin strip; a press inside it is on no row either.
    PanelObject(Panel::Alarm).m_history.clear();
    Open(panel, [](HWND popup) {
        MovePointer(popup, {1, 1});
        PressAt(popup, {1, 1});
    });
    EXPECT_EQ(Digits(panel), (DigitTexts{L"1", L"1", L"1", L"1"}));
}

TEST_F(HistoryDropDown, PaintsTheFrameTheBandAndTheDeleteSquareAtEveryScale)
{
    const HWND panel = ShowWithHistory(Panel::Alarm, {L"06:00", L"07:30", L"08:15"});
    Open(panel, [](HWND popup) {
        const DropDownLayout layout = Layout();
        const Rect client = ClientOf(popup);
        EXPECT_EQ(ClientPixel(popup, {0, 0}), kFrameTopLeft);
        EXPECT_EQ(ClientPixel(popup, {0, client.bottom - 2}), kFrameTopLeft);
        EXPECT_EQ(ClientPixel(popup, {client.right - 1, 0}), kFrameBottomRight);
        EXPECT_EQ(ClientPixel(popup, {0, client.bottom - 1}), kFrameBottomRight);
        EXPECT_EQ(ClientPixel(popup, {client.right / 2, 1}), kWhite);
        // Rows not highlighted: black text on white, smoothed to grey at its edges.
        const Rect firstBand = layout.HighlightBand(0, client);
        const Rgb darkest = DarkestPixel(popup, {firstBand.left, firstBand.top, client.right - 1, firstBand.bottom});
        EXPECT_TRUE(IsNear(darkest, {0, 0, 0}, 100)) << darkest;

        MovePointer(popup, OverRow(popup, 1));
        const Rect band = layout.HighlightBand(1, client);
        const Rect square = layout.DeleteSquare(1, client);
        EXPECT_EQ(ClientPixel(popup, {band.left, band.top}), kBand);
        EXPECT_EQ(ClientPixel(popup, {client.right - 1, band.top}), kBand) << "the band covers the frame";
        EXPECT_EQ(ClientPixel(popup, {square.left + 1, square.top + 1}), kBand) << "the square is red only when hot";
        EXPECT_EQ(ClientPixel(popup, layout.DeleteCross(1, client)[0].from), kWhite);
        EXPECT_TRUE(IsNear(BrightestPixel(popup, {band.left, band.top, square.left, band.bottom}), kWhite, 30));
        EXPECT_EQ(ClientPixel(popup, {1, 1}), kWhite) << "a row not highlighted lit up";

        MovePointer(popup, OverDeleteMark(popup, 1));
        EXPECT_EQ(ClientPixel(popup, {square.left + 1, square.top + 1}), kRed);
        EXPECT_EQ(ClientPixel(popup, {square.right - 1, square.bottom - 1}), kRed);
        EXPECT_EQ(ClientPixel(popup, layout.DeleteCross(1, client)[1].from), kWhite);
        EXPECT_EQ(ClientPixel(popup, {band.left, band.top}), kBand);
        PostKey(popup, VK_ESCAPE);
    });
}

// Keyboard only: Space on the history button opens it; Up and Down move the highlight, Delete deletes the
// highlighted entry as its delete square does, Enter chooses and Esc closes.
TEST_F(HistoryDropDown, KeysMoveTheHighlightDeleteAndChoose)
{
    const HWND panel = ShowWithHistory(Panel::Alarm, {L"09:00", L"06:00", L"08:15", L"07:30"});
    FocusControl(panel, IDC_HISTORY);
    Watcher().Then([](HWND popup) {
        PressKeys({VK_DOWN, VK_DOWN, VK_DOWN, VK_UP});
        PumpMessages();
        EXPECT_EQ(ClientPixel(popup, OverRow(popup, 1)), kBand);
        PressKeys({VK_DELETE});  // 07:30
        PumpMessages();
        EXPECT_EQ(DropDownOf(popup).m_items, (std::vector<std::wstring>{L"06:00", L"08:15", L"09:00"}));
        EXPECT_EQ(HeightOf(popup), Layout().WindowHeight(3));
        // The mouse move that the system sends after the list shrank, the pointer unmoved.
        POINT pointer{};
        ::GetCursorPos(&pointer);
        ::ScreenToClient(popup, &pointer);
        ::SendMessageW(popup, WM_MOUSEMOVE, 0, MAKELPARAM(pointer.x, pointer.y));
        EXPECT_EQ(ClientPixel(popup, OverRow(popup, 1)), kBand) << "the still pointer took the highlight";
        PressKeys({VK_DOWN, VK_RETURN});
    });
    PressKeys({VK_SPACE});
    PumpMessages();
    EXPECT_EQ(Watcher().SeenCount(), 1) << "Space opened no drop-down";
    EXPECT_EQ(Digits(panel), (DigitTexts{L"0", L"9", L"0", L"0"}));
    EXPECT_EQ(store::ReadString(kAlarmHistoryValue), L"09:00|06:00|08:15|");

    Watcher().Then([](HWND) { PressKeys({VK_DOWN, VK_ESCAPE}); });
    FocusControl(panel, IDC_HISTORY);
    PressKeys({VK_SPACE});
    PumpMessages();
    EXPECT_EQ(Watcher().SeenCount(), 2);
    EXPECT_EQ(Digits(panel), (DigitTexts{L"0", L"9", L"0", L"0"}));
}

}  // namespace
