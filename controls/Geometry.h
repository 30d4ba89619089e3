#pragma once
// Value types of the custom-drawn controls' layouts: points, rectangles, line segments; and the scale they are
// drawn at.
#include "framework/Drawing.h"

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
