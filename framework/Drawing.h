#pragma once
// What drawing of one's own shares, without the window system, so that platform-free layouts use it too: the screen's
// scale and the colours.

// The screen's logical pixels per inch divided by 96, across (x) and down (y).
struct Scale {
    double x = 1.0, y = 1.0;
};

// A pixel size written for 96 dpi, multiplied by a scale factor and truncated toward zero.
constexpr int Scaled(double value, double factor)
{
    return static_cast<int>(value * factor);
}

struct Rgb {
    unsigned char r, g, b;
    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

// The system's colours that a high-contrast theme chooses; the controls that draw themselves then paint with these
// alone.
struct SystemColours {
    Rgb window;
    Rgb windowText;
    Rgb highlight;
    Rgb highlightText;
    Rgb grayText;
};
