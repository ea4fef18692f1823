#include "Chart.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace chart {

Chart::Chart() {
    TopAxis.Visible = false;
    RightAxis.Visible = false;
}

Series& Chart::AddSeries(std::string title, Color colour) {
    return m_series.emplace_back(Series{std::move(title), colour, 3, {}});
}

// A plain drawing of the series over the whole client area with ranges taken from the data.
void Chart::Paint(Canvas& canvas, Size clientSize) {
    const Rect area{0, 0, clientSize.Width, clientSize.Height};
    canvas.FillRect(area, colors::White);
    m_layout = {clientSize, {}, {}, {}, area, {true, 0}, {true, 0}};

    double minX = std::numeric_limits<double>::infinity(), maxX = -minX, minY = minX, maxY = -minX;
    for (const Series& series : m_series)
        for (const PointF& p : series.Points) {
            minX = std::min(minX, p.X), maxX = std::max(maxX, p.X);
            minY = std::min(minY, p.Y), maxY = std::max(maxY, p.Y);
        }
    if (minX > maxX)
        return;
    BottomAxis.Scale = {AxisOrientation::Horizontal, minX, maxX, 0, clientSize.Width};
    LeftAxis.Scale = {AxisOrientation::Vertical, minY, maxY, 0, clientSize.Height};

    CanvasStateScope state(canvas);
    canvas.IntersectClip(area);
    for (const Series& series : m_series) {
        std::vector<Point> points;
        for (const PointF& p : series.Points)
            points.push_back({static_cast<int>(std::lround(BottomAxis.Scale.PixelOf(p.X))),
                              static_cast<int>(std::lround(LeftAxis.Scale.PixelOf(p.Y)))});
        canvas.Polyline(points, Pen{series.Colour, series.LineWidth});
    }
}

} // namespace chart
