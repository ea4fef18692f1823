#pragma once

// Chart coordinates: pixels (or logical units on paper), origin at the chart's top left corner,
// x to the right, y downwards.
namespace chart {

struct Point {
    int X = 0;
    int Y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct PointF {
    double X = 0;
    double Y = 0;
    friend bool operator==(const PointF&, const PointF&) = default;
};

struct Size {
    int Width = 0;
    int Height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// Half-open: a point is inside when Left <= x < Right and Top <= y < Bottom.
struct Rect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    bool Contains(Point p) const { return Left <= p.X && p.X < Right && Top <= p.Y && p.Y < Bottom; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

} // namespace chart
