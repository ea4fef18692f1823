#pragma once

#include "Axis.h"
#include "Canvas.h"
#include "ChartText.h"
#include "Color.h"
#include "Geometry.h"
#include "Layout.h"
#include "NumberFormat.h"
#include "Render.h"
#include "Series.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace chart {

enum class Repaint { Deferred, Immediate };

// The chart: its series, axes and texts, laid out anew and drawn completely at every paint.
//
// What the host sets: Separators (the user's regional ones), Edge (the desktop's 3D highlight and
// shadow colours) and OnRepaintRequest (deferred: invalidate; immediate: redraw now). The window
// paints into its kept bitmap with Paint(canvas, clientSize) and, after copying it to the screen,
// draws the zoom outline over it (ZoomPan::PaintZoomOutline); the printer paints with
// Paint(canvas, the chart's logical rectangle on the page, Medium::Paper).
class Chart {
public:
    Chart();
    Chart(const Chart&) = delete;
    Chart& operator=(const Chart&) = delete;

    Series& AddSeries(std::string title, Color colour);
    std::size_t SeriesCount() const { return m_series.size(); }
    Series& SeriesAt(std::size_t index) { return m_series.at(index); }
    const Series& SeriesAt(std::size_t index) const { return m_series.at(index); }
    std::span<const Series> SeriesList() const { return m_series; }

    // Showing or hiding either requests an immediate repaint.
    ChartText Title;
    ChartText Foot;

    Axis BottomAxis;
    Axis LeftAxis;
    Axis TopAxis;   // hidden; follows zoom and pan like the others
    Axis RightAxis; // hidden; follows zoom and pan like the others

    NumberSeparators Separators;
    EdgeColours Edge;

    // The layout of the latest paint.
    const ChartLayout& LastLayout() const { return m_layout; }

    // Lays the chart out for a client area of the given size and draws all of it onto the canvas.
    void Paint(Canvas& canvas, Size clientSize);
    // The same into any rectangle of the canvas: the printer's logical page rectangle on paper.
    // Either way the layout becomes LastLayout, each axis takes its scale and an automatic axis its range.
    void Paint(Canvas& canvas, Rect area, Medium medium);

    // Sets Minimum and Maximum of every automatic axis from the data, as the next layout will.
    void UpdateAutomaticRanges();

    // The series whose drawn line in the latest layout lies under the point; the topmost (latest drawn)
    // when curves cross.
    std::optional<std::size_t> CurveAt(Point point) const;
    bool HitsCurve(Point point) const { return CurveAt(point).has_value(); }

    void RequestRepaint(Repaint kind) const;

    // Called when the picture is out of date; the host repaints later or at once.
    std::function<void(Repaint)> OnRepaintRequest;

private:
    std::vector<Series> m_series;
    ChartLayout m_layout;
};

} // namespace chart
