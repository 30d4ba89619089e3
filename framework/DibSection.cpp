#include "framework/DibSection.h"

DibSection::DibSection(int width, int height)
    : m_width(width),
      m_height(height),
      m_dc(::CreateCompatibleDC(nullptr)),
      m_bitmap(CreateTopDown32(width, height, &m_bits)),
      m_selection(m_dc.Get(), m_bitmap.Get())
{
}

HBITMAP DibSection::CreateTopDown32(int width, int height, void** bits)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    // A negative height puts the first row at the top.
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}
