#pragma once

#include "Geometry.h"

#include <optional>

namespace chart {

// Distances of the chart's page rectangle from the printable area's edges, in whole percent of the
// printable width (left, right) or height (top, bottom).
struct PageMargins {
    int Left = 15;
    int Top = 15;
    int Right = 15;
    int Bottom = 15;
};

// a * b / c in 64-bit, rounded to the nearest integer with halves away from zero; 0 when c is 0.
int MulDivRounded(int a, int b, int c);

// The page rectangle in device pixels of a printable area whose origin is its top left corner.
Rect PageRectangle(Size printable, const PageMargins& margins);

// How the chart's client area is stretched onto the page rectangle: logical (x, y) lands on the device
// point (x * Device.Width / Logical.Width, y * Device.Height / Logical.Height), both origins (0, 0).
// Example: page (900, 600)-(5100, 3400) and a 726 x 455 client area scale by 4200 / 726 and 2800 / 455,
// and the chart is drawn into the logical rectangle (156, 98)-(882, 553).
struct PageMapping {
    Size Logical;   // the window extent: the chart's client size
    Size Device;    // the viewport extent: the page rectangle's size
    Rect ChartRect; // the page rectangle in logical units: where the chart is drawn
};

// Empty when either size is degenerate and nothing can be drawn.
std::optional<PageMapping> MapChartToPage(Rect page, Size clientSize);

} // namespace chart
