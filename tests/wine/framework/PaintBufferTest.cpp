// The paint buffer: a window's picture composed off-screen and shown whole.
#include <gtest/gtest.h>

#include "framework/Gdi.h"
#include "framework/PaintBuffer.h"

namespace {

constexpr Rgb kPainted{10, 120, 230};

// Paints its whole picture in one colour.
class PaintedWindow : public CWnd {
public:
    SIZE m_pictureSize{};

protected:
    void OnPaint()
    {
        const PaintBuffer buffer(*this);
        m_pictureSize = {buffer.Picture().Width(), buffer.Picture().Height()};
        FillSolidRect(buffer.GetDC(), {0, 0, m_pictureSize.cx, m_pictureSize.cy}, kPainted);
    }
    DECLARE_MESSAGE_MAP()
};

// clang-format off
BEGIN_MESSAGE_MAP(PaintedWindow, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()
// clang-format on

TEST(PaintBuffer, ShowsItsPictureOverTheWholeClientAreaAndValidatesIt)
{
    PaintedWindow window;
    // The border makes the client area smaller than the window.
    window.SubclassWindow(::CreateWindowExW(0, L"Static", L"", WS_POPUP | WS_VISIBLE | WS_BORDER, 50, 60, 40, 30,
                                            nullptr, nullptr, nullptr, nullptr));
    window.InvalidateRect(nullptr);
    ::UpdateWindow(window.m_hWnd);
    const RECT client = window.GetClientRect();
    EXPECT_EQ(window.m_pictureSize.cx, client.right);
    EXPECT_EQ(window.m_pictureSize.cy, client.bottom);
    EXPECT_FALSE(::GetUpdateRect(window.m_hWnd, nullptr, FALSE));
    {
        const WindowDC dc(window.m_hWnd);
        EXPECT_EQ(::GetPixel(dc.Get(), 0, 0), ColourOf(kPainted));
        EXPECT_EQ(::GetPixel(dc.Get(), client.right - 1, client.bottom - 1), ColourOf(kPainted));
    }
    window.DestroyWindow();
}

}  // namespace
