// The off-screen picture the custom-drawn popups compose in.
#include <cstdint>

#include <gtest/gtest.h>

#include "framework/DibSection.h"

namespace {

TEST(DibSection, IsATopDown32BitPictureSelectedIntoItsOwnDCAndReleasedWithIt)
{
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    {
        const DibSection picture(7, 5);
        dc = picture.GetDC();
        ASSERT_EQ(::GetObjectType(dc), static_cast<DWORD>(OBJ_MEMDC));
        bitmap = static_cast<HBITMAP>(::GetCurrentObject(dc, OBJ_BITMAP));
        DIBSECTION section{};
        ASSERT_EQ(::GetObjectW(bitmap, sizeof section, &section), static_cast<int>(sizeof section));
        EXPECT_EQ(section.dsBm.bmWidth, 7);
        EXPECT_EQ(section.dsBm.bmHeight, 5);
        EXPECT_EQ(section.dsBm.bmBitsPixel, 32);
        EXPECT_EQ(picture.Bits(), section.dsBm.bmBits);
        EXPECT_EQ(picture.Stride(), section.dsBm.bmWidthBytes);

        // The top-left pixel is the first one in memory, blue, green, red and a spare byte.
        ::SetPixel(dc, 0, 0, RGB(10, 20, 30));
        ::GdiFlush();
        EXPECT_EQ(static_cast<const std::uint32_t*>(picture.Bits())[0], 0x000A141Eu);
    }
    EXPECT_EQ(::GetObjectType(dc), 0u) << "the memory DC outlived its owner";
    EXPECT_EQ(::GetObjectType(bitmap), 0u) << "the picture outlived its owner";
}

}  // namespace
