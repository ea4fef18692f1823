#pragma once

#include "Geometry.h"
#include "Image.h"

namespace e2e {

// The plot's 1-pixel frame is the only pure black around the plot: curves, grid and background are not.
inline constexpr Rgb PlotFrameColour{0, 0, 0};

// The chart's plot in a picture of it, found from a point inside.
inline Rect FindPlot(const Image& picture, Point inside) {
    const auto walk = [&picture](Point from, Point step) {
        Point p = from;
        while (p.X > 0 && p.Y > 0 && p.X < picture.Width - 1 && p.Y < picture.Height - 1 &&
               picture.At(p) != PlotFrameColour)
            p = p + step;
        return p;
    };
    const int left = walk(inside, {-1, 0}).X;
    const int right = walk(inside, {1, 0}).X + 1;
    const int top = walk(inside, {0, -1}).Y;
    const int bottom = walk(inside, {0, 1}).Y + 1;
    return {left, top, right - left, bottom - top};
}

} // namespace e2e
