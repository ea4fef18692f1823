// The chart at the far ends of what zooming, panning and resizing can reach: the narrowest range, 1e-10,
// near zero and where the values are so large that it spans only a few doubles; views thousands of
// widths away from the curves; plots of no size and of a 4K screen. Whatever the view, the labels are
// plain "#,##0.###" texts in ascending order on the axis, no more than fit, and every curve is drawn
// inside the plot frame.
#include "RecordingCanvas.h"
#include "ThermoCurves.h"

#include "chart/Chart.h"
#include "chart/Style.h"
#include "chart/Ticks.h"
#include "chart/ZoomPan.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <regex>
#include <string>

using namespace chart;
using chart::testing::AddThermoCurves;
using chart::testing::RecordingCanvas;

namespace {

// The full view: -270..2320 by -9835..76373.
constexpr double FullWidth = 2590;
constexpr double FullHeight = 86208;

struct View {
    const char* Name;
    double BottomMinimum, BottomMaximum, LeftMinimum, LeftMaximum;
};

void PrintTo(const View& view, std::ostream* out) {
    *out << view.Name;
}

// Shifted by `widths` of the full view's width and height.
View FarAway(const char* name, double widths) {
    return {name, -270 + widths * FullWidth, 2320 + widths * FullWidth, -9835 - widths * FullHeight,
            76373 - widths * FullHeight};
}

// The narrowest range on both axes at the given values.
View Narrowest(const char* name, double x, double y) {
    return {name, x, x + MinimumAxisRange, y, y + MinimumAxisRange};
}

const View Views[] = {
    FarAway("ThousandWidthsAway", 1000),
    FarAway("MillionWidthsBack", -1e6),
    FarAway("BillionWidthsAway", 1e9),
    Narrowest("NarrowestAtZero", -5e-11, -5e-11),
    Narrowest("NarrowestOnTheData", 500, 20000),
    Narrowest("NarrowestAtTheFullViewsEnds", 2320, -9835),
    // 1e-10 spans a handful of doubles here: SetAxisRange widens it to the next one above 1e-10.
    Narrowest("NarrowestFarOut", 1.5e7, -3e8),
    {"NarrowestThousandWidthsAway", 2.6e6, 2.6e6 + MinimumAxisRange, -8.6e7, -8.6e7 + MinimumAxisRange},
    {"ThreeDecimalsAcrossZero", -0.0123, 0.0145, -0.5, 0.25},
};

struct ClientSize {
    const char* Name;
    Size Value;
};

void PrintTo(const ClientSize& size, std::ostream* out) {
    *out << size.Name;
}

// The design size, a 4K screen's maximised client area, and sizes that leave a plot of a pixel or none.
const ClientSize Sizes[] = {
    {"Design", {726, 455}},          {"Maximised4k", {3849, 2147}}, {"Smallest", {113, 6}},
    {"PlotOnePixelHigh", {726, 85}}, {"Narrow", {113, 455}},
};

// Labels in ascending order of value on the axis, within its extent, readable, and no more than fit
// along it (plus one for a label on each end).
void ExpectSaneLabels(const AxisPlacement& axis, int labelSize, const char* name) {
    // Czech separators: a no-break space between thousands, a comma before 1 to 3 decimals.
    static const std::regex plain("-?[0-9]{1,3}(\u00A0[0-9]{3})*(,[0-9]{0,2}[1-9])?");
    const int first = axis.Scale.FirstPixel;
    const int last = first + axis.Scale.Length;
    EXPECT_LE(static_cast<int>(axis.Labels.size()), LabelsThatFit(axis.Scale.Length, labelSize) + 1) << name;
    for (std::size_t i = 0; i < axis.Labels.size(); ++i) {
        const AxisLabel& label = axis.Labels[i];
        EXPECT_TRUE(std::regex_match(label.Text.Text, plain)) << name << ": \"" << label.Text.Text << '"';
        EXPECT_NE(label.Text.Text, "-0") << name;
        EXPECT_GE(label.Position, std::min(first, last) - 1) << name << ' ' << label.Text.Text;
        EXPECT_LE(label.Position, std::max(first, last) + 1) << name << ' ' << label.Text.Text;
        if (i > 0) {
            EXPECT_GT(label.Value, axis.Labels[i - 1].Value)
                << name << " after " << axis.Labels[i - 1].Text.Text;
        }
    }
    for (int tick : axis.MinorTicks) {
        EXPECT_GE(tick, std::min(first, last) - 1) << name;
        EXPECT_LE(tick, std::max(first, last) + 1) << name;
    }
}

// The chart's latest paint, recorded on the canvas: sane labels on both axes, ranges of a width, and
// every curve drawn under the clip to the inside of the plot frame and near it.
void ExpectSanePicture(const Chart& chart, const RecordingCanvas& canvas) {
    const ChartLayout& layout = chart.LastLayout();
    const Rect& clip = layout.CurveClip;
    EXPECT_GE(clip.Width(), 0);
    EXPECT_GE(clip.Height(), 0);
    for (const Axis* axis : {&chart.BottomAxis, &chart.LeftAxis}) {
        EXPECT_TRUE(std::isfinite(axis->Minimum) && std::isfinite(axis->Maximum));
        EXPECT_GT(axis->Maximum, axis->Minimum);
    }

    const auto width = [&](double value) {
        return RecordingCanvas::Measure(FormatAxisValue(value, chart.Separators), style::ChartFont).Width;
    };
    const AxisScale& bottom = layout.Bottom.Scale;
    ExpectSaneLabels(layout.Bottom, std::max(width(bottom.Minimum), width(bottom.Maximum)), "bottom");
    ExpectSaneLabels(layout.Left, RecordingCanvas::Measure("0", style::ChartFont).Height, "left");

    // The pen reaches a width and a pixel beyond a point: the clip trims that.
    const int reach = 4;
    for (const RecordingCanvas::Call& call : canvas.Calls()) {
        if (call.What != RecordingCanvas::Kind::Polyline)
            continue;
        EXPECT_EQ(call.Clip, clip);
        for (const Point& p : call.Points) {
            EXPECT_GE(p.X, clip.Left - reach);
            EXPECT_LE(p.X, clip.Right + reach);
            EXPECT_GE(p.Y, clip.Top - reach);
            EXPECT_LE(p.Y, clip.Bottom + reach);
        }
    }
}

class ExtremeView : public ::testing::TestWithParam<std::tuple<View, ClientSize>> {
protected:
    ExtremeView() { AddThermoCurves(m_chart); }

    Chart m_chart;
    RecordingCanvas m_canvas;
};

TEST_P(ExtremeView, LabelsStayPlainAndFewAndCurvesStayInsideThePlotFrame) {
    const auto& [view, size] = GetParam();
    SetAxisRange(m_chart.BottomAxis, view.BottomMinimum, view.BottomMaximum);
    SetAxisRange(m_chart.LeftAxis, view.LeftMinimum, view.LeftMaximum);
    m_chart.Paint(m_canvas, size.Value);
    ExpectSanePicture(m_chart, m_canvas);
}

INSTANTIATE_TEST_SUITE_P(ViewsAndSizes, ExtremeView,
                         ::testing::Combine(::testing::ValuesIn(Views), ::testing::ValuesIn(Sizes)),
                         [](const ::testing::TestParamInfo<ExtremeView::ParamType>& info) {
                             return std::string(std::get<0>(info.param).Name) + "_" +
                                    std::get<1>(info.param).Name;
                         });

} // namespace

// The gestures of the end-to-end test (ExtremeSizesTest.cpp), on the chart's own mouse handling at the
// design size: each round zooms out with a drag released far outside the window, then into the far
// corner of the wider view, pans and scrolls; then zooms go down to the narrowest range. Every paint
// on the way is sane.
TEST(ExtremeGestures, FarAwayAndAtTheNarrowestRangeEveryPaintIsSane) {
    Chart chart;
    AddThermoCurves(chart);
    const Size design{726, 455};
    const auto paint = [&] {
        RecordingCanvas canvas;
        chart.Paint(canvas, design);
        ExpectSanePicture(chart, canvas);
    };
    const auto drag = [&](MouseButton button, Point from, Point to) {
        chart.Mouse().Press(button, from);
        chart.Mouse().Move(to);
        chart.Mouse().Release(button, to);
        paint();
    };
    // InChart(x, y) of the end-to-end test: fractions of the chart's size.
    const auto at = [&](double x, double y) {
        return Point{static_cast<int>(design.Width * x), static_cast<int>(design.Height * y)};
    };
    paint();
    for (int round = 0; round < 4; ++round) {
        SCOPED_TRACE(round);
        drag(MouseButton::Left, at(0.2, 0.15), {3566, 1910}); // the screen's far corner, chart coordinates
        const Point corner = at(0.9, 0.7);
        drag(MouseButton::Left, {corner.X - 20, corner.Y - 20}, corner);
        drag(MouseButton::Right, at(0.7, 0.5), at(0.3, 0.3));
        for (int notch = 0; notch < 3; ++notch) {
            chart.Mouse().Wheel(WheelStep);
            paint();
        }
    }
    const double width = chart.BottomAxis.Maximum - chart.BottomAxis.Minimum;
    EXPECT_GT((chart.BottomAxis.Minimum - 2320) / width, 1000) << "not thousands of widths away";
    for (int zoom = 0; zoom < 16; ++zoom) {
        SCOPED_TRACE(zoom);
        const Point from = at(0.4, 0.3);
        drag(MouseButton::Left, from, {from.X + 20, from.Y + 20});
    }
    EXPECT_LE(chart.BottomAxis.Maximum - chart.BottomAxis.Minimum, 2 * MinimumAxisRange);
    EXPECT_LE(chart.LeftAxis.Maximum - chart.LeftAxis.Minimum, 2 * MinimumAxisRange);
}
