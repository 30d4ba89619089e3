#pragma once
// An off-screen picture: a 32-bit top-down DIB section selected into a memory device context of its own. A
// window composes its picture here and copies it to the screen in one block transfer, so that it never flickers.
#include <windows.h>

#include "framework/Gdi.h"

class DibSection {
public:
    DibSection(int width, int height);
    DibSection(const DibSection&) = delete;
    DibSection& operator=(const DibSection&) = delete;

    // The memory device context with the picture selected into it.
    HDC GetDC() const { return m_dc.Get(); }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

private:
    static HBITMAP CreateTopDown32(int width, int height);

    int m_width;
    int m_height;
    // Declared in the order of acquisition: the picture is selected out before either is deleted.
    MemoryDC m_dc;
    GdiObject<HBITMAP> m_bitmap;
    SelectedObject m_selection;
};
