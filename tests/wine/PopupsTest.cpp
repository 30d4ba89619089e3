// The error popup and the notice, run modally as the panels run them.
#include <string>

#include "app/HourgladeApp.h"
#include "controls/ErrDlg.h"
#include "controls/MsgDlg.h"
#include "res/resource.h"
#include "tests/TextList.h"
#include "tests/wine/PanelDriver.h"

namespace {

// A window of another program's kind, lying far from the popup, that counts the presses it receives.
class PressTarget {
public:
    PressTarget()
    {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &Proc;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"HourgladeTestPressTarget";
        ::RegisterClassW(&windowClass);
        m_hWnd = ::CreateWindowExW(0, windowClass.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 700, 450, 300, 200,
                                   nullptr, nullptr, windowClass.hInstance, nullptr);
        s_presses = 0;
    }
    ~PressTarget() { ::DestroyWindow(m_hWnd); }
    PressTarget(const PressTarget&) = delete;
    PressTarget& operator=(const PressTarget&) = delete;

    POINT Centre() const { return {850, 550}; }
    static int Presses() { return s_presses; }

private:
    static LRESULT CALLBACK Proc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN) ++s_presses;
        return ::DefWindowProcW(hWnd, message, wParam, lParam);
    }
    HWND m_hWnd;
    static inline int s_presses = 0;
};

// A press and release of a mouse button at a point of the screen, through the system's input queue.
void PressAt(POINT point, DWORD down, DWORD up)
{
    ::SetCursorPos(point.x, point.y);
    INPUT inputs[2]{};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = down;
    inputs[1].mi.dwFlags = up;
    ::SendInput(2, inputs, sizeof(INPUT));
}

void PressKey(HWND popup, WPARAM key)
{
    ::PostMessageW(popup, WM_KEYDOWN, key, 0);
}

class ErrorPopup : public StartedAppTest {};

// Its width, as its text needs, is TextSize's.
TEST_F(ErrorPopup, HeightFollowsTheScreenScaleAndItOpensTopmostAtTheGivenCorner)
{
    const int height = static_cast<int>(18 * theApp.m_dScaleY);
    Watcher().Then([&](HWND popup) {
        RECT place{};
        ::GetWindowRect(popup, &place);
        EXPECT_EQ(place.left, 120);
        EXPECT_EQ(place.top, 240);
        EXPECT_EQ(place.bottom - place.top, height);
        EXPECT_TRUE(IsTopmost(popup));
        EXPECT_TRUE(::IsWindowVisible(popup));
        EXPECT_EQ(ControlText(popup, IDC_ERROR_TEXT), Japanese(TextId::RefusalWhileRunning));
        EXPECT_EQ(::GetCapture(), popup);
        PressKey(popup, VK_ESCAPE);
    });
    ErrDlg popup(Japanese(TextId::RefusalWhileRunning), 120, 240, theApp.ScreenScale(), ErrorWidthRule::PerCharacter);
    EXPECT_EQ(popup.DoModal(), -1);
    EXPECT_EQ(Watcher().SeenCount(), 1);
}

TEST_F(ErrorPopup, LeftPressAnywhereClosesItWithoutReachingTheWindowUnderThePointer)
{
    const PressTarget target;
    const POINT nowhere{1270, 790};
    for (const POINT point : {target.Centre(), nowhere}) {
        Watcher().Then([&](HWND popup) {
            PressAt(point, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
            PumpMessagesFor(100);
            if (::IsWindowVisible(popup)) {
                ADD_FAILURE() << "the press did not close the popup";
                EndPopup(popup, -1);
            }
        });
        ErrDlg popup(Japanese(TextId::RefusalNoTime), 100, 100, theApp.ScreenScale(), ErrorWidthRule::PerCharacter);
        EXPECT_EQ(popup.DoModal(), -1);
        PumpMessages();
    }
    EXPECT_EQ(Watcher().SeenCount(), 2);
    EXPECT_EQ(PressTarget::Presses(), 0);
}

TEST_F(ErrorPopup, RightPressLeavesItOpenAndEnterClosesIt)
{
    const PressTarget target;
    Watcher().Then([&](HWND popup) {
        PressAt(target.Centre(), MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
        PumpMessagesFor(100);
        EXPECT_TRUE(::IsWindowVisible(popup));
        EXPECT_EQ(PressTarget::Presses(), 0);
        PressKey(popup, VK_RETURN);
    });
    ErrDlg popup(Japanese(TextId::RefusalHourAbove23), 100, 100, theApp.ScreenScale(), ErrorWidthRule::PerCharacter);
    EXPECT_EQ(popup.DoModal(), -1);
}

class Notice : public StartedAppTest {};

TEST_F(Notice, OpensTopmostAndOwnerlessInTheMiddleOfTheWorkAreaAndIgnoresEnter)
{
    Watcher().Then([](HWND notice) {
        EXPECT_EQ(ControlText(notice, IDC_NOTICE_TEXT), Japanese(TextId::CounterOverflow));
        EXPECT_TRUE(IsTopmost(notice));
        EXPECT_EQ(::GetWindow(notice, GW_OWNER), nullptr);
        EXPECT_TRUE(::IsWindowEnabled(theApp.m_pMainWnd->m_hWnd));
        RECT work{}, place{};
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        ::GetWindowRect(notice, &place);
        EXPECT_NEAR(place.left + place.right, work.left + work.right, 1);
        EXPECT_NEAR(place.top + place.bottom, work.top + work.bottom, 1);

        PressKey(notice, VK_RETURN);
        PumpMessagesFor(100);
        ASSERT_TRUE(::IsWindowVisible(notice)) << "Enter closed the notice";
        PressKey(notice, VK_ESCAPE);
    });
    MsgDlg notice(Japanese(TextId::CounterOverflow), {});
    EXPECT_EQ(notice.DoModal(), 0);
}

TEST_F(Notice, ClosesWithItsCloseBox)
{
    Watcher().Then([](HWND notice) { ::PostMessageW(notice, WM_SYSCOMMAND, SC_CLOSE, 0); });
    MsgDlg notice(Japanese(TextId::CounterOverflow), {});
    EXPECT_EQ(notice.DoModal(), 0);
    EXPECT_EQ(Watcher().SeenCount(), 1);
}

}  // namespace
