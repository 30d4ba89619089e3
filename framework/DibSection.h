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
    // The pixels, top row first, each as blue, green, red and an unused byte; null when the picture could not be
    // created. Call GdiFlush before reading what GDI drew.
    void* Bits() const { return m_bits; }
    int Stride() const { return m_width * 4; }

private:
    static HBITMAP CreateTopDown32(int width, int height, void** bits);

    int m_width;
    int m_height;
    void* m_bits = nullptr;
    // Declared in the order of acquisition: the picture is selected out before either is deleted.
    GdiObject<HDC> m_dc;
    GdiObject<HBITMAP> m_bitmap;
    SelectedObject m_selection;
};
