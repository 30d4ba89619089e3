#include "controls/PopupLayout.h"

int PopupLayout::ErrorWidth(std::size_t textLength) const
{
    return Scaled(8.0 * static_cast<double>(textLength) + 34, m_scale.x);
}

int PopupLayout::ErrorHeight() const
{
    return Scaled(18, m_scale.y);
}
