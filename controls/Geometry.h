#pragma once
// Value types of the custom-drawn controls' layouts: scale factors, points, rectangles, line segments.

// The screen's logical pixels per inch divided by 96, across (x) and down (y).
struct Scale {
    double x = 1.0, y = 1.0;
};

// A pixel size written for 96 dpi, multiplied by a scale factor and truncated toward zero.
constexpr int Scaled(double value, double factor)
{
    return static_cast<int>(value * factor);
}

struct Point {
    int x, y;
    friend constexpr bool operator==(const Point&, const Point&) = default;
};

// Includes its left and top edges and excludes its right and bottom edges.
struct Rect {
    int left, top, right, bottom;

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

struct RectF {
    double x, y, width, height;
    friend constexpr bool operator==(const RectF&, const RectF&) = default;
};

// A line drawn from one point toward another, leaving out the end point.
struct Segment {
    Point from, to;
    friend constexpr bool operator==(const Segment&, const Segment&) = default;
};
