#pragma once

#include "chart/ZoomPan.h"

#include <algorithm>
#include <array>
#include <ostream>
#include <set>
#include <tuple>

namespace chart {
inline void PrintTo(const AxisView& view, std::ostream* out) {
    *out << (view.Automatic ? "automatic " : "manual ") << view.Minimum << ".." << view.Maximum;
    if (view.AutomaticMinimum != view.Automatic || view.AutomaticMaximum != view.Automatic)
        *out << " (minimum " << view.AutomaticMinimum << ", maximum " << view.AutomaticMaximum << ")";
}
} // namespace chart

namespace fake {

using chart::AxesView;
using chart::AxisSide;
using chart::Point;

// One not-XOR outline as it lies on the screen: corners and pen.
using Outline = std::tuple<int, int, int, int, int, int, int>;

inline Outline OutlineOf(Point a, Point b, chart::Color pen = chart::colors::Black) {
    return {a.X, a.Y, b.X, b.Y, pen.R, pen.G, pen.B};
}

// SetAxisRange's floor as doubles compute it: a width of at least MinimumAxisRange, or else Maximum is
// Minimum + MinimumAxisRange rounded (which may be a little narrower, or wider).
inline bool KeepsTheNarrowestRange(const chart::AxisView& axis) {
    return axis.Maximum - axis.Minimum >= chart::MinimumAxisRange ||
           axis.Maximum == axis.Minimum + chart::MinimumAxisRange;
}

// The chart's window as far as the zoom outline goes: drawing an outline twice takes it off again.
class OutlineScreen final : public chart::Canvas {
public:
    std::set<Outline> Outlines;
    int Drawings = 0;

    // A repaint replaces the whole picture.
    void Repaint() { Outlines.clear(); }

    void NotXorOutline(Point a, Point b, chart::Color pen) override {
        ++Drawings;
        const Outline outline = OutlineOf(a, b, pen);
        if (!Outlines.erase(outline))
            Outlines.insert(outline);
    }

    void FillRect(const chart::Rect&, chart::Color) override {}
    void FrameRect(const chart::Rect&, const chart::Pen&) override {}
    void Line(Point, Point, const chart::Pen&) override {}
    void Polyline(std::span<const Point>, const chart::Pen&) override {}
    chart::Size TextExtent(std::string_view, const chart::Font&) override { return {}; }
    void Text(Point, std::string_view, const chart::Font&, chart::TextDirection) override {}
    void IntersectClip(const chart::Rect&) override {}
    void SaveState() override {}
    void RestoreState() override {}
};

// A chart with a hand-made layout. At the design size 726 x 455:
//
//   title (290,14)-(436,27)
//   plot (50,30)-(650,380), its top edge covered by a curve 3 px wide (y 29..31)
//   left axis: title x 22..33, labels x 33..44, tick band x 44..50
//   bottom axis: tick band y 380..386, labels y 386..397, title y 397..405
//   legend (280,405)-(480,421)
//   foot (150,425)-(576,437)
//
// The full view makes every pixel a whole value: bottom -300..2700 (5 per px), left -10000..60000
// (200 per px), top 0..1200 and right 0..700 (2 per px). Painting lays the axes out and redraws the
// zoom outline last; the screen keeps the outlines drawn on it since the latest paint.
class FakeChart final : public chart::ZoomPanHost {
public:
    static constexpr chart::Size DesignSize{726, 455};
    static constexpr int TickBandDepth = 6;

    static AxesView FullView() {
        AxesView view;
        view[IndexOf(AxisSide::Bottom)] = {true, true, true, -300, 2700};
        view[IndexOf(AxisSide::Top)] = {true, true, true, 0, 1200};
        view[IndexOf(AxisSide::Left)] = {true, true, true, -10000, 60000};
        view[IndexOf(AxisSide::Right)] = {true, true, true, 0, 700};
        return view;
    }

    explicit FakeChart(chart::Size clientSize = DesignSize) {
        AxisAt(AxisSide::Top).Visible = false;
        AxisAt(AxisSide::Right).Visible = false;
        Resize(clientSize);
    }

    chart::ZoomPan Mouse{*this};
    OutlineScreen Screen;
    chart::Color Background = chart::colors::White;
    // Laid out by Resize; a test may change it to place parts differently.
    chart::ChartLayout Layout;
    int DeferredRepaints = 0;
    int ImmediateRepaints = 0;

    void Resize(chart::Size clientSize) {
        const int middle = clientSize.Width / 2;
        Layout.ClientSize = clientSize;
        Layout.Title = {middle - 73, 14, middle + 73, 27};
        Layout.Plot = {50, 30, std::max(50, clientSize.Width - 76), std::max(30, clientSize.Height - 75)};
        Layout.Legend = {middle - 83, clientSize.Height - 50, middle + 117, clientSize.Height - 34};
        Layout.Foot = {middle - 213, clientSize.Height - 30, middle + 213, clientSize.Height - 18};
        for (chart::AxisPlacement* axis : {&Layout.Bottom, &Layout.Left}) {
            axis->Visible = true;
            axis->TickBandDepth = TickBandDepth;
        }
        Paint();
    }

    void Paint() {
        const AxesView full = FullView();
        const chart::Rect& plot = Layout.Plot;
        for (const AxisSide side : chart::AllAxisSides) {
            chart::Axis& axis = AxisAt(side);
            if (axis.IsAutomatic()) {
                axis.Minimum = full[IndexOf(side)].Minimum;
                axis.Maximum = full[IndexOf(side)].Maximum;
            }
            const bool horizontal = side == AxisSide::Bottom || side == AxisSide::Top;
            axis.Scale = {horizontal ? chart::AxisOrientation::Horizontal : chart::AxisOrientation::Vertical,
                          axis.Minimum, axis.Maximum, horizontal ? plot.Left : plot.Top,
                          horizontal ? plot.Width() : plot.Height()};
        }
        Screen.Repaint();
        Mouse.PaintZoomOutline(Screen);
    }

    AxesView View() {
        AxesView view;
        for (const AxisSide side : chart::AllAxisSides)
            view[IndexOf(side)] = chart::ViewOf(AxisAt(side));
        return view;
    }

    double ValueAt(AxisSide side, int pixel) { return AxisAt(side).Scale.ValueAt(pixel); }

    chart::Axis& AxisAt(AxisSide side) override { return m_axes[IndexOf(side)]; }
    const chart::ChartLayout& LastLayout() const override { return Layout; }
    bool HitsCurve(Point point) const override {
        const chart::Rect& plot = Layout.Plot;
        return plot.Left <= point.X && point.X < plot.Right && plot.Top - 1 <= point.Y &&
               point.Y <= plot.Top + 1;
    }
    chart::Color BackgroundColor() const override { return Background; }
    void RequestRepaint() override { ++DeferredRepaints; }
    void RepaintNow() override {
        ++ImmediateRepaints;
        Paint();
    }
    void DrawOnWindow(const std::function<void(chart::Canvas&)>& draw) override { draw(Screen); }

private:
    std::array<chart::Axis, chart::AllAxisSides.size()> m_axes;
};

} // namespace fake
