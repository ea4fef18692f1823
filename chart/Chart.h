#pragma once

#include "Axis.h"
#include "Canvas.h"
#include "Color.h"
#include "Geometry.h"
#include "Layout.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace chart {

// A line series: points joined by straight segments, kept in ascending X order.
struct Series {
    std::string Title;
    Color Colour;
    int LineWidth = 3;
    std::vector<PointF> Points;

    // Appends a point; the callers add points in ascending X order.
    void AddXY(double x, double y) { Points.push_back({x, y}); }
};

enum class Repaint { Deferred, Immediate };

// The chart: its series, axes and texts, laid out anew and drawn completely at every paint.
class Chart {
public:
    Chart();

    Series& AddSeries(std::string title, Color colour);
    std::size_t SeriesCount() const { return m_series.size(); }
    Series& SeriesAt(std::size_t index) { return m_series.at(index); }
    const Series& SeriesAt(std::size_t index) const { return m_series.at(index); }

    Axis BottomAxis;
    Axis LeftAxis;
    Axis TopAxis;   // hidden; follows zoom and pan like the others
    Axis RightAxis; // hidden; follows zoom and pan like the others

    // The layout of the latest paint.
    const ChartLayout& LastLayout() const { return m_layout; }

    // Lays the chart out for a client area of the given size and draws all of it onto the canvas.
    void Paint(Canvas& canvas, Size clientSize);

    // Called when the picture is out of date; the host repaints later or at once.
    std::function<void(Repaint)> OnRepaintRequest;

private:
    std::vector<Series> m_series;
    ChartLayout m_layout;
};

} // namespace chart
