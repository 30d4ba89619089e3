#include "controls/PopupLayout.h"

namespace {
// Room on both sides of the text together, at 96 dpi.
constexpr int kErrorMargins = 34;
}  // namespace

int PopupLayout::ErrorWidth(std::size_t textLength) const
{
    return Scaled(8.0 * static_cast<double>(textLength) + kErrorMargins, m_scale.x);
}

int PopupLayout::ErrorWidthAround(int textWidth) const
{
    return textWidth + Scaled(kErrorMargins, m_scale.x);
}

int PopupLayout::ErrorHeight() const
{
    return Scaled(18, m_scale.y);
}
