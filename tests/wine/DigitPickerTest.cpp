// The digit picker, opened from the digit buttons of a time field and driven inside its own modal loop.
#include <cmath>

#include "app/HourgladeApp.h"
#include "controls/NumDlg.h"
#include "controls/PickerLayout.h"
#include "res/resource.h"
#include "tests/wine/TimeFieldHarness.h"

namespace {

constexpr Rgb kBackground{240, 240, 240};
constexpr Rgb kHighlight{208, 208, 208};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kGrey{160, 160, 160};

PickerLayout Layout()
{
    return PickerLayout(theApp.ScreenScale());
}

Point CentreOf(const RectF& rect)
{
    return {static_cast<int>(rect.x + rect.width / 2), static_cast<int>(rect.y + rect.height / 2)};
}

// Where the pointer goes to highlight a digit.
Point OverDigit(int digit)
{
    return CentreOf(Layout().HighlightRect(digit));
}

// A pixel inside a digit's highlight but clear of the digit itself.
Point CornerOfHighlight(int digit)
{
    const RectF highlight = Layout().HighlightRect(digit);
    return {static_cast<int>(std::ceil(highlight.x)) + 1, static_cast<int>(std::ceil(highlight.y)) + 1};
}

Rect TextArea(int digit)
{
    const RectF text = Layout().DigitTextRect(digit);
    return {static_cast<int>(std::ceil(text.x)), static_cast<int>(std::ceil(text.y)),
            static_cast<int>(text.x + text.width), static_cast<int>(text.y + text.height)};
}

class DigitPicker : public TimeFieldTest {
protected:
    void SetUp() override
    {
        TimeFieldTest::SetUp();
        m_panel = ShowPanel(Panel::Alarm);
        SetDigits(m_panel, {L"1", L"1", L"1", L"1"});
    }

    // Clicks a digit button and runs the action on the picker it opens; returns the button's text afterwards.
    std::wstring Pick(int id, PopupWatcher::Action action)
    {
        Watcher().Then(std::move(action));
        Click(m_panel, id);
        EXPECT_EQ(Watcher().SeenCount(), ++m_opened) << "no picker opened";
        return ControlText(m_panel, id);
    }

    HWND m_panel = nullptr;
    int m_opened = 0;
};

TEST_F(DigitPicker, OpensTopmostDirectlyBelowTheClickedButtonWithItsScaledSize)
{
    const RECT button = ScreenRectOf(m_panel, IDC_DIGIT3);
    const std::wstring text = Pick(IDC_DIGIT3, [&](HWND popup) {
        EXPECT_NE(dynamic_cast<NumDlg*>(CWnd::FromHandle(popup)), nullptr);
        RECT place{};
        ::GetWindowRect(popup, &place);
        EXPECT_EQ(place.left, button.left);
        EXPECT_EQ(place.top, button.bottom);
        EXPECT_EQ(place.right - place.left, static_cast<int>(56 * theApp.m_dScaleX));
        EXPECT_EQ(place.bottom - place.top, static_cast<int>(74 * theApp.m_dScaleY));
        EXPECT_TRUE(IsTopmost(popup));
        EXPECT_EQ(::GetCapture(), popup);
        PostKey(popup, VK_ESCAPE);
    });
    EXPECT_EQ(text, L"1");
}

TEST_F(DigitPicker, APressOnAnAllowedDigitWritesItAndNothingIsCorrected)
{
    // The hour's tens offer 0 to 2, its units 0 to 9: 29 can be entered.
    EXPECT_EQ(Pick(IDC_DIGIT1,
                   [](HWND popup) {
                       MovePointer(popup, OverDigit(2));
                       PressAt(popup, OverDigit(2));
                   }),
              L"2");
    EXPECT_EQ(Pick(IDC_DIGIT2,
                   [](HWND popup) {
                       MovePointer(popup, OverDigit(9));
                       PressAt(popup, OverDigit(9));
                   }),
              L"9");
    EXPECT_EQ(Digits(m_panel), (DigitTexts{L"2", L"9", L"1", L"1"}));
}

TEST_F(DigitPicker, TheWholeTopRowChoosesZero)
{
    const int rightEnd = static_cast<int>(54 * theApp.m_dScaleX) - 1;
    EXPECT_EQ(Pick(IDC_DIGIT4,
                   [&](HWND popup) {
                       MovePointer(popup, {0, 0});
                       EXPECT_EQ(ClientPixel(popup, CornerOfHighlight(0)), kHighlight);
                       MovePointer(popup, {rightEnd, 1});
                       // One wide highlight, lit at both ends.
                       EXPECT_EQ(ClientPixel(popup, CornerOfHighlight(0)), kHighlight);
                       EXPECT_EQ(ClientPixel(popup, {rightEnd - 2, CornerOfHighlight(0).y}), kHighlight);
                       PressAt(popup, {rightEnd, 1});
                   }),
              L"0");
}

TEST_F(DigitPicker, GreyDigitsAndPlacesOutsideTheCellsGiveNoChoice)
{
    // The minute's tens offer 0 to 5.
    EXPECT_EQ(Pick(IDC_DIGIT3,
                   [](HWND popup) {
                       MovePointer(popup, OverDigit(6));
                       EXPECT_EQ(ClientPixel(popup, CornerOfHighlight(6)), kBackground) << "a grey digit lit up";
                       PressAt(popup, OverDigit(6));
                   }),
              L"1");
    EXPECT_EQ(Pick(IDC_DIGIT3,
                   [](HWND popup) {
                       MovePointer(popup, OverDigit(5));
                       MovePointer(popup, {-5, 20});
                       EXPECT_EQ(ClientPixel(popup, CornerOfHighlight(5)), kBackground);
                       PressAt(popup, {-5, 20});
                   }),
              L"1");
    // A press before any movement.
    EXPECT_EQ(Pick(IDC_DIGIT3, [](HWND popup) { PressAt(popup, OverDigit(4)); }), L"1");
}

// Esc ends every popup without a choice, whatever is highlighted: Popup's case.
TEST_F(DigitPicker, EnterTakesTheHighlightedDigitAndNothingWithoutOne)
{
    EXPECT_EQ(Pick(IDC_DIGIT2,
                   [](HWND popup) {
                       MovePointer(popup, OverDigit(8));
                       PostKey(popup, VK_RETURN);
                   }),
              L"8");
    EXPECT_EQ(Pick(IDC_DIGIT2, [](HWND popup) { PostKey(popup, VK_RETURN); }), L"8");
}

// The timer's minute tens offer every digit; the alarm's hour tens only 0 to 2.
TEST_F(DigitPicker, PaintsAllowedDigitsBlackAndTheOthersGreyAtEveryScale)
{
    Pick(IDC_DIGIT1, [](HWND popup) {
        for (int digit = 0; digit <= 9; ++digit) {
            EXPECT_EQ(ClientPixel(popup, CornerOfHighlight(digit)), kBackground) << "digit " << digit;
            const Rgb darkest = DarkestPixel(popup, TextArea(digit));
            if (digit <= 2)
                EXPECT_TRUE(IsNear(darkest, kBlack, 90)) << "digit " << digit << ": " << darkest;
            else
                EXPECT_TRUE(IsNear(darkest, kGrey, 30)) << "digit " << digit << ": " << darkest;
        }
        MovePointer(popup, OverDigit(1));
        EXPECT_EQ(ClientPixel(popup, CornerOfHighlight(1)), kHighlight);
        EXPECT_EQ(ClientPixel(popup, CornerOfHighlight(2)), kBackground);
        PostKey(popup, VK_ESCAPE);
    });
}

// Keyboard only: Space on the focused button opens the picker, the arrows move the highlight (over the allowed cells
// only, as HoverAfterArrow's table has it) and Enter takes the highlighted one. The minute's tens offer 0 to 5.
TEST_F(DigitPicker, SpaceOpensItAndTheArrowsMoveTheHighlightOverAllowedCellsForEnter)
{
    FocusControl(m_panel, IDC_DIGIT3);
    Watcher().Then([](HWND popup) {
        // 0, 1, 2, 5.
        PressKeys({VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN});
        PumpMessages();
        EXPECT_EQ(ClientPixel(popup, CornerOfHighlight(5)), kHighlight);
        EXPECT_EQ(ClientPixel(popup, CornerOfHighlight(2)), kBackground);
        PressKeys({VK_UP, VK_RETURN});
    });
    PressKeys({VK_SPACE});
    PumpMessages();
    EXPECT_EQ(Watcher().SeenCount(), 1) << "Space opened no picker";
    EXPECT_EQ(ControlText(m_panel, IDC_DIGIT3), L"2");
}

TEST_F(DigitPicker, ADigitKeyChoosesAnAllowedDigitAndBeepsAtAGreyOne)
{
    BeepCounter beeps;
    ASSERT_TRUE(beeps.IsApplied());
    // The hour's tens offer 0 to 2.
    EXPECT_EQ(Pick(IDC_DIGIT1,
                   [&](HWND popup) {
                       PressKeys({'7'});
                       PumpMessages();
                       EXPECT_TRUE(::IsWindowVisible(popup)) << "a grey digit closed the picker";
                       EXPECT_EQ(beeps.Count(), 1);
                       PressKeys({VK_NUMPAD2});
                   }),
              L"2");
    EXPECT_EQ(Pick(IDC_DIGIT2, [](HWND) { PressKeys({'0'}); }), L"0");
}

}  // namespace
