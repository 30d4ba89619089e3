#pragma once
// Small owners of drawing and handle resources, each acquired completely in its constructor and released in
// its destructor.
#include <windows.h>

#include <utility>

#include "framework/Drawing.h"

// The device context of a window's client area (GetDC / ReleaseDC); a null window gives the whole screen.
class WindowDC {
public:
    explicit WindowDC(HWND hWnd) : m_hWnd(hWnd), m_hDC(::GetDC(hWnd)) {}
    ~WindowDC()
    {
        if (m_hDC) ::ReleaseDC(m_hWnd, m_hDC);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC Get() const { return m_hDC; }

private:
    HWND m_hWnd;
    HDC m_hDC;
};

namespace gdi_detail {
inline void Release(HGDIOBJ object)
{
    ::DeleteObject(object);
}
inline void Release(HDC memoryDC)
{
    ::DeleteDC(memoryDC);
}
inline void Release(HICON icon)
{
    ::DestroyIcon(icon);
}
inline void Release(HMENU menu)
{
    ::DestroyMenu(menu);
}
}  // namespace gdi_detail

// Owns one GDI object (pen, brush, font, bitmap, memory device context) and deletes it, or one icon or menu loaded
// for one use (not a shared icon) and destroys it.
template <class Handle> class GdiObject {
public:
    explicit GdiObject(Handle handle = nullptr) : m_handle(handle) {}
    ~GdiObject() { Reset(); }
    GdiObject(GdiObject&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept
    {
        if (this != &other) {
            Reset();
            m_handle = std::exchange(other.m_handle, nullptr);
        }
        return *this;
    }
    Handle Get() const { return m_handle; }
    void Reset()
    {
        if (m_handle) gdi_detail::Release(m_handle);
        m_handle = nullptr;
    }

private:
    Handle m_handle;
};

// Selects an object into a device context and puts the previous one back.
class SelectedObject {
public:
    SelectedObject(HDC hDC, HGDIOBJ object) : m_hDC(hDC), m_previous(::SelectObject(hDC, object)) {}
    ~SelectedObject()
    {
        if (m_previous) ::SelectObject(m_hDC, m_previous);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC m_hDC;
    HGDIOBJ m_previous;
};

using OwnedIcon = GdiObject<HICON>;

inline COLORREF ColourOf(Rgb colour)
{
    return RGB(colour.r, colour.g, colour.b);
}

// Fills a rectangle with one colour, as the background colour of an opaque text output (no brush is created).
inline void FillSolidRect(HDC hDC, const RECT& rect, Rgb colour)
{
    ::SetBkColor(hDC, ColourOf(colour));
    ::ExtTextOutW(hDC, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

// A one-pixel frame just inside a rectangle: the top and left edges in one colour, the right and bottom edges,
// over their full length, in the other.
inline void Draw3dRect(HDC hDC, const RECT& rect, Rgb topLeft, Rgb bottomRight)
{
    FillSolidRect(hDC, {rect.left, rect.top, rect.right - 1, rect.top + 1}, topLeft);
    FillSolidRect(hDC, {rect.left, rect.top, rect.left + 1, rect.bottom - 1}, topLeft);
    FillSolidRect(hDC, {rect.right - 1, rect.top, rect.right, rect.bottom}, bottomRight);
    FillSolidRect(hDC, {rect.left, rect.bottom - 1, rect.right, rect.bottom}, bottomRight);
}
