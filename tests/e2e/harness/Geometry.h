#pragma once

#include <ostream>

namespace e2e {

// Screen (X root) coordinates unless a name says otherwise. Rectangles are half-open.
struct Point {
    int X = 0;
    int Y = 0;
    friend bool operator==(const Point&, const Point&) = default;
    friend Point operator+(Point a, Point b) { return {a.X + b.X, a.Y + b.Y}; }
};

struct Rect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;

    int Right() const { return Left + Width; }
    int Bottom() const { return Top + Height; }
    Point TopLeft() const { return {Left, Top}; }
    Point Centre() const { return {Left + Width / 2, Top + Height / 2}; }
    bool Contains(Point p) const { return Left <= p.X && p.X < Right() && Top <= p.Y && p.Y < Bottom(); }
    bool Contains(const Rect& r) const {
        return Left <= r.Left && Top <= r.Top && r.Right() <= Right() && r.Bottom() <= Bottom();
    }
    Rect Offset(Point by) const { return {Left + by.X, Top + by.Y, Width, Height}; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

inline std::ostream& operator<<(std::ostream& out, Point p) {
    return out << '(' << p.X << ", " << p.Y << ')';
}
inline std::ostream& operator<<(std::ostream& out, const Rect& r) {
    return out << '(' << r.Left << ", " << r.Top << ") " << r.Width << 'x' << r.Height;
}

} // namespace e2e
