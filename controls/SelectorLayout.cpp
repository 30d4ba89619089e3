#include "controls/SelectorLayout.h"

#include <algorithm>

SelectorColours SelectorColoursFor(const std::optional<SystemColours>& highContrast)
{
    if (!highContrast) {
        return {kSelectorBackground, kSelectorChevron, kSelectorText};
    }
    return {highContrast->window, highContrast->windowText, highContrast->windowText};
}

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

int SelectorLayout::ChoiceAfter(int choice, SelectorKey key, int count)
{
    if (count <= 0) {
        return choice;
    }
    switch (key) {
    case SelectorKey::Previous:
        return std::clamp(choice - 1, 0, count - 1);
    case SelectorKey::Next:
        return std::clamp(choice + 1, 0, count - 1);
    case SelectorKey::First:
        return 0;
    case SelectorKey::Last:
        break;
    }
    return count - 1;
}

Point SelectorLayout::TextOrigin() const
{
    return {Scaled(8, m_scale.x), Scaled(2, m_scale.y)};
}
