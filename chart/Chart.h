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
#include "ZoomPan.h"

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
// shadow colours), OnRepaintRequest (deferred: invalidate; immediate: redraw now) and OnDrawOnWindow.
// The window passes its mouse input to Mouse(), paints into its kept bitmap with
// Paint(canvas, clientSize) and, after copying it to the screen, calls PaintOverlay on the screen;
// the printer paints with Paint(canvas, the chart's logical rectangle on the page, Medium::Paper).
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

    // Zoom, pan and wheel scrolling: the window's mouse input goes here, in chart coordinates.
    ZoomPan& Mouse() { return m_mouse; }
    const ZoomPan& Mouse() const { return m_mouse; }

    // What belongs on the screen only, drawn over the copied picture as the paint's last step: the
    // zoom outline while a zoom drag runs. Never into the kept bitmap, which may be copied out again.
    void PaintOverlay(Canvas& screen) const { m_mouse.PaintZoomOutline(screen); }

    void RequestRepaint(Repaint kind) const;

    // Called when the picture is out of date; the host repaints later or at once.
    std::function<void(Repaint)> OnRepaintRequest;
    // Called to draw straight onto the chart's window, over the picture already there: the host calls
    // draw with a canvas on the window, clipped to the chart.
    std::function<void(const std::function<void(Canvas&)>& draw)> OnDrawOnWindow;

private:
    // The chart as its mouse handling sees it.
    class MouseHost final : public ZoomPanHost {
    public:
        explicit MouseHost(Chart& chart) : m_chart(chart) {}
        Axis& AxisAt(AxisSide side) override;
        const ChartLayout& LastLayout() const override { return m_chart.LastLayout(); }
        bool HitsCurve(Point point) const override { return m_chart.HitsCurve(point); }
        Color BackgroundColor() const override;
        void RequestRepaint() override { m_chart.RequestRepaint(Repaint::Deferred); }
        void RepaintNow() override { m_chart.RequestRepaint(Repaint::Immediate); }
        void DrawOnWindow(const std::function<void(Canvas&)>& draw) override;

    private:
        Chart& m_chart;
    };

    std::vector<Series> m_series;
    ChartLayout m_layout;
    MouseHost m_mouseHost{*this};
    ZoomPan m_mouse{m_mouseHost};
};

} // namespace chart
