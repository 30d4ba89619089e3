#include "controls/NumDlg.h"

// GDI+ needs the OLE types that a lean <windows.h> leaves out.
#include <objidl.h>
// (after objidl.h)
#include <gdiplus.h>

#include <optional>
#include <string>

#include "framework/PaintBuffer.h"
#include "res/resource.h"
#include "res/typeface.h"
#include "system/HighContrast.h"

namespace {

std::optional<Arrow> ArrowOfKey(UINT key)
{
    switch (key) {
    case VK_LEFT:
        return Arrow::Left;
    case VK_RIGHT:
        return Arrow::Right;
    case VK_UP:
        return Arrow::Up;
    case VK_DOWN:
        return Arrow::Down;
    default:
        return std::nullopt;
    }
}

Gdiplus::Color ToGdiplus(Rgb colour)
{
    return {colour.r, colour.g, colour.b};
}

Gdiplus::RectF ToGdiplus(const RectF& rect)
{
    return {static_cast<Gdiplus::REAL>(rect.x), static_cast<Gdiplus::REAL>(rect.y),
            static_cast<Gdiplus::REAL>(rect.width), static_cast<Gdiplus::REAL>(rect.height)};
}

}  // namespace

// clang-format off
BEGIN_MESSAGE_MAP(NumDlg, ListPopupDlg)
    ON_WM_PAINT()
    ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()
// clang-format on

NumDlg::NumDlg(int maxDigit, int left, int top, Scale scale, const std::wstring& name)
    : ListPopupDlg(IDD_DIGIT_PICKER, Stacking::Topmost, left, top),
      m_nMaxDigit(maxDigit),
      m_nHover(kNoDigit),
      m_layout(scale)
{
    m_nWidth = m_layout.OuterWidth();
    m_nHeight = m_layout.OuterHeight();
    m_strName = name;
}

void NumDlg::OnPaint()
{
    const PaintBuffer buffer(*this);
    DrawPicture(buffer.Picture());
    DrawKeyboardCue(buffer.GetDC(), m_nHover, ClientArea());
}

void NumDlg::DrawPicture(const DibSection& picture) const
{
    // Drawing straight into the pixels is much faster under Wine than through the picture's device context.
    Gdiplus::Bitmap canvas(picture.Width(), picture.Height(), picture.Stride(), PixelFormat32bppRGB,
                           static_cast<BYTE*>(picture.Bits()));
    Gdiplus::Graphics graphics(&canvas);
    const PickerColours colours = PickerColoursFor(HighContrastColours());
    const Gdiplus::SolidBrush background(ToGdiplus(colours.background));
    const Gdiplus::SolidBrush highlight(ToGdiplus(colours.highlight));
    Gdiplus::SolidBrush digitBrush(ToGdiplus(colours.digit));
    const Gdiplus::FontFamily typeface(kTypeface);
    const Gdiplus::Font font(typeface.IsAvailable() ? &typeface : Gdiplus::FontFamily::GenericSansSerif(),
                             static_cast<Gdiplus::REAL>(PickerLayout::kFontPoints), Gdiplus::FontStyleRegular,
                             Gdiplus::UnitPoint);
    Gdiplus::StringFormat centred;
    centred.SetAlignment(Gdiplus::StringAlignmentCenter);
    centred.SetLineAlignment(Gdiplus::StringAlignmentCenter);

    graphics.FillRectangle(&background, 0, 0, picture.Width(), picture.Height());
    if (m_nHover != kNoDigit) {
        graphics.FillRectangle(&highlight, ToGdiplus(m_layout.HighlightRect(m_nHover)));
    }
    for (int digit = 0; digit <= 9; ++digit) {
        const std::wstring text = std::to_wstring(digit);
        digitBrush.SetColor(ToGdiplus(PickerLayout::DigitColour(digit, m_nMaxDigit, digit == m_nHover, colours)));
        graphics.DrawString(text.c_str(), static_cast<INT>(text.size()), &font,
                            ToGdiplus(m_layout.DigitTextRect(digit)), &centred, &digitBrush);
    }
}

void NumDlg::OnMouseMove(UINT, POINT point)
{
    Default();
    if (!PointerMoved(point)) return;
    const int hover = m_layout.HoverAt({point.x, point.y}, m_nMaxDigit);
    if (hover != m_nHover) {
        m_nHover = hover;
        HighlightMoved(false);
    }
    // Repainted on every movement; the picture is copied whole, so the background is not erased first.
    InvalidateRect(nullptr, FALSE);
}

// A digit key does what a press on its cell does, but a grey digit only beeps and the picker stays open. The
// arrows move the same highlight as the pointer, which Enter then chooses.
bool NumDlg::OnKey(UINT key)
{
    if (const int digit = DigitOfKey(key); digit != kNoDigit) {
        if (IsAllowedDigit(digit, m_nMaxDigit))
            EndDialog(digit);
        else
            ::MessageBeep(MB_OK);
        return true;
    }
    const std::optional<Arrow> arrow = ArrowOfKey(key);
    if (!arrow) return false;
    m_nHover = PickerLayout::HoverAfterArrow(m_nHover, *arrow, m_nMaxDigit);
    HighlightMoved(true);
    InvalidateRect(nullptr, FALSE);
    return true;
}
