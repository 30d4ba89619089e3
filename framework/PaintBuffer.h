#pragma once
// The painting of a window through an off-screen picture as large as its client area (BeginPaint / EndPaint): the
// window draws its whole picture into the buffer, with GDI through GetDC() or straight into the pixels, and the
// buffer copies it to the window in one block transfer when it goes, so that the window never flickers.
#include <windows.h>

#include "framework/DibSection.h"
#include "framework/Wnd.h"

class PaintBuffer {
public:
    explicit PaintBuffer(const CWnd& window)
        : m_hWnd(window.m_hWnd),
          m_hDC(::BeginPaint(m_hWnd, &m_paint)),
          m_client(window.GetClientRect()),
          m_picture(m_client.right, m_client.bottom)
    {
    }
    ~PaintBuffer()
    {
        ::BitBlt(m_hDC, 0, 0, m_client.right, m_client.bottom, m_picture.GetDC(), 0, 0, SRCCOPY);
        ::EndPaint(m_hWnd, &m_paint);
    }
    PaintBuffer(const PaintBuffer&) = delete;
    PaintBuffer& operator=(const PaintBuffer&) = delete;

    const DibSection& Picture() const { return m_picture; }
    HDC GetDC() const { return m_picture.GetDC(); }

private:
    HWND m_hWnd;
    PAINTSTRUCT m_paint{};
    HDC m_hDC;
    RECT m_client;
    DibSection m_picture;
};
