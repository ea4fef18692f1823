#pragma once

#include "Color.h"
#include "Geometry.h"

#include <string>
#include <vector>

namespace chart {

// A line series: points (X = temperature in °C, Y = EMF in µV) joined by straight segments, kept in
// ascending X order.
struct Series {
    std::string Title;
    Color Colour;
    int LineWidth = 3;
    std::vector<PointF> Points;

    // Appends a point; the callers add points in ascending X order.
    void AddXY(double x, double y) { Points.push_back({x, y}); }
};

} // namespace chart
