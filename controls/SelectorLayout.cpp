#include "controls/SelectorLayout.h"

std::array<Point, 3> SelectorLayout::Chevron(const Rect& client) const
{
    const int right = client.right;
    const int top = client.top;
    return {{
        {right - Scaled(14, m_scale.x), top + Scaled(8, m_scale.y)},
        {right - Scaled(10, m_scale.x), top + Scaled(12, m_scale.y)},
        {right - Scaled(5, m_scale.x), top + Scaled(7, m_scale.y)},
    }};
}

Point SelectorLayout::TextOrigin() const
{
    return {Scaled(8, m_scale.x), Scaled(2, m_scale.y)};
}
