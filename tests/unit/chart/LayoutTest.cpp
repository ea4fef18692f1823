#include "RecordingCanvas.h"
#include "ThermoCurves.h"

#include "chart/Chart.h"
#include "chart/Style.h"
#include "chart/Ticks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace chart;
using chart::testing::AddThermoCurves;
using chart::testing::RecordingCanvas;

namespace {

constexpr Size DesignSize{726, 455};

// The nine curves in a chart painted once onto a recording canvas (Arial 11 px: 6 x 14 per character,
// bold 13 px: 7 x 16).
class ChartLayoutTest : public ::testing::Test {
protected:
    ChartLayoutTest() { AddThermoCurves(m_chart); }

    const ChartLayout& PaintAt(Size size) {
        m_canvas = RecordingCanvas();
        m_chart.Paint(m_canvas, size);
        return m_chart.LastLayout();
    }

    static std::vector<std::string> LabelTexts(const AxisPlacement& axis) {
        std::vector<std::string> texts;
        for (const AxisLabel& label : axis.Labels)
            texts.push_back(label.Text.Text);
        return texts;
    }

    Chart m_chart;
    RecordingCanvas m_canvas;
};

} // namespace

TEST_F(ChartLayoutTest, DesignSizeLaysOutWorkingRectangleTitleFootAndPlot) {
    const ChartLayout& layout = PaintAt(DesignSize);
    // Margins 3 % of 726 = 21.78 -> 22 and 4 % of 455 = 18.2 -> 18.
    EXPECT_EQ(layout.Working, (Rect{22, 18, 704, 437}));
    // The title box: 27 characters + "W" = 28 x 7 px wide, centred on the working rectangle.
    EXPECT_EQ(layout.Title, (Rect{265, 18, 461, 34}));
    EXPECT_EQ(layout.TitleText.Origin, (Point{268, 18}));
    // The foot: 105 characters x 6 px, its bottom on the working bottom.
    EXPECT_EQ(layout.Foot, (Rect{48, 423, 678, 437}));
    // Plot top 34 + 5; right at the working right. Bottom: foot top 423 - 5 = 418, less the legend
    // margin 4 % of (418 - 39) = 15, less the bottom bands 14 + 14 + 6. Left: 22 plus the caption's
    // line 14, the wider of "-5 000" and "75 000" (36) plus a space (6), and the tick band 6.
    EXPECT_EQ(layout.Plot, (Rect{84, 39, 704, 369}));
    EXPECT_EQ(layout.CurveClip, (Rect{85, 40, 703, 368}));
    for (const AxisPlacement* axis : {&layout.Bottom, &layout.Left}) {
        EXPECT_TRUE(axis->Visible);
        EXPECT_EQ(axis->TickBandDepth, 6);
    }
    EXPECT_FALSE(layout.Top.Visible || layout.Right.Visible);
}

TEST_F(ChartLayoutTest, FullViewIsTheDataWithoutMargin) {
    PaintAt(DesignSize);
    struct Case {
        const Axis& Drawn;
        double Minimum, Maximum;
    };
    for (const Case& c : {Case{m_chart.BottomAxis, -270, 2320}, Case{m_chart.LeftAxis, -9835, 76373}}) {
        EXPECT_EQ(c.Drawn.Minimum, c.Minimum);
        EXPECT_EQ(c.Drawn.Maximum, c.Maximum);
        EXPECT_EQ(c.Drawn.Scale.Minimum, c.Minimum);
        EXPECT_EQ(c.Drawn.Scale.Maximum, c.Maximum);
    }
    const Rect& plot = m_chart.LastLayout().Plot;
    EXPECT_EQ(m_chart.BottomAxis.Scale.FirstPixel, plot.Left);
    EXPECT_EQ(m_chart.BottomAxis.Scale.Length, plot.Width());
    EXPECT_EQ(m_chart.LeftAxis.Scale.FirstPixel, plot.Top);
    EXPECT_EQ(m_chart.LeftAxis.Scale.Length, plot.Height());

    // The E curve starts in the plot's lower left corner; C ends on its right edge.
    const CurvePath& e = m_chart.LastLayout().Curves[5];
    EXPECT_EQ(e.Runs.front().front(), (Point{plot.Left, plot.Bottom}));
    const CurvePath& c = m_chart.LastLayout().Curves[8];
    EXPECT_EQ(c.Runs.back().back().X, plot.Right);
}

TEST_F(ChartLayoutTest, UpdateAutomaticRangesSetsTheFullViewWithoutPainting) {
    SetAxisRange(m_chart.LeftAxis, 0, 1);
    m_chart.UpdateAutomaticRanges();
    EXPECT_EQ(m_chart.BottomAxis.Minimum, -270);
    EXPECT_EQ(m_chart.BottomAxis.Maximum, 2320);
    EXPECT_EQ(m_chart.LeftAxis.Minimum, 0); // manual: kept
    EXPECT_EQ(m_chart.LeftAxis.Maximum, 1);
}

TEST_F(ChartLayoutTest, FullViewBottomLabelsRunFromMinus200To2200) {
    const ChartLayout& layout = PaintAt(DesignSize);
    // Labels "-270" and "2 320" are 30 px, so round(620 / 33) = 19 fit and 2590 takes the step 200.
    EXPECT_EQ(layout.Bottom.Increment, 200);
    const std::vector<std::string> expected{
        "-200",       "0",          "200",        "400",        "600",        "800",       "1\u00A0000",
        "1\u00A0200", "1\u00A0400", "1\u00A0600", "1\u00A0800", "2\u00A0000", "2\u00A0200"};
    EXPECT_EQ(LabelTexts(layout.Bottom), expected);
    EXPECT_EQ(layout.Left.Increment, 5000);
    EXPECT_EQ(LabelTexts(layout.Left).front(), "-5\u00A0000");
    EXPECT_EQ(LabelTexts(layout.Left).back(), "75\u00A0000");
}

TEST_F(ChartLayoutTest, LabelsSitAgainstTheirTicks) {
    const ChartLayout& layout = PaintAt(DesignSize);
    const Rect& plot = layout.Plot;
    for (const AxisLabel& label : layout.Bottom.Labels) {
        const Size text = RecordingCanvas::Measure(label.Text.Text, label.Text.TextFont);
        EXPECT_EQ(label.Position, std::lround(layout.Bottom.Scale.PixelOf(label.Value)));
        EXPECT_LE(std::abs(label.Text.Origin.X + text.Width / 2 - label.Position), 1);
        EXPECT_EQ(label.Text.Origin.Y, plot.Bottom + 6);
    }
    for (const AxisLabel& label : layout.Left.Labels) {
        const Size text = RecordingCanvas::Measure(label.Text.Text, label.Text.TextFont);
        EXPECT_EQ(label.Position, std::lround(layout.Left.Scale.PixelOf(label.Value)));
        EXPECT_EQ(label.Text.Origin.X + text.Width, plot.Left - 6);
        EXPECT_LE(std::abs(label.Text.Origin.Y + text.Height / 2 - label.Position), 1);
    }
    // Captions: under the bottom labels, and turned at the working rectangle's left, centred on the axis.
    EXPECT_EQ(layout.Bottom.Caption.Origin.Y, plot.Bottom + 6 + 14);
    EXPECT_EQ(layout.Left.Caption.Direction, TextDirection::Upwards);
    EXPECT_EQ(layout.Left.Caption.Origin.X, layout.Working.Left);
    const int captionWidth = RecordingCanvas::Measure("Napětí [uV]", style::ChartFont).Width;
    EXPECT_LE(std::abs(layout.Left.Caption.Origin.Y - captionWidth / 2 - (plot.Top + plot.Bottom) / 2), 1);
}

TEST_F(ChartLayoutTest, DeepZoomLabelsCarryUpToThreeDecimals) {
    SetAxisRange(m_chart.BottomAxis, 0.002, 0.017);
    const ChartLayout& layout = PaintAt(DesignSize);
    // Labels are 5 characters, 33 px with the gap; the plot is under 682 px wide, so at most 21 fit
    // and 0.0005 (30 steps) is too fine, yet more than 15 fit, so 0.001 (15 steps) is taken.
    EXPECT_DOUBLE_EQ(layout.Bottom.Increment, 0.001);
    const std::vector<std::string> texts = LabelTexts(layout.Bottom);
    ASSERT_EQ(texts.size(), 16u);
    EXPECT_EQ(texts.front(), "0,002");
    EXPECT_EQ(texts[1], "0,003");
    EXPECT_EQ(texts.back(), "0,017");
}

TEST_F(ChartLayoutTest, PlotTooLowForOneLabelShowsNoLabelsTicksOrGrid) {
    // 90 px high: the plot keeps 6 px, and round(6 / 15) = 0 labels fit on the left axis.
    const ChartLayout& layout = PaintAt({726, 90});
    EXPECT_EQ(layout.Plot.Height(), 6);
    EXPECT_EQ(layout.Left.Increment, 0);
    EXPECT_TRUE(layout.Left.Labels.empty());
    EXPECT_TRUE(layout.Left.MinorTicks.empty());
    ASSERT_FALSE(layout.Bottom.Labels.empty());
    // The grid lines drawn are the bottom axis' only: all vertical.
    int gridLines = 0;
    for (const RecordingCanvas::Call& call : m_canvas.Calls())
        if (call.What == RecordingCanvas::Kind::Line && call.LinePen == style::GridPen) {
            ++gridLines;
            EXPECT_EQ(call.Points[0].X, call.Points[1].X);
        }
    EXPECT_EQ(gridLines, static_cast<int>(layout.Bottom.Labels.size()));
}

TEST_F(ChartLayoutTest, LegendIsOneRowOfNineRightOfCentre) {
    const ChartLayout& layout = PaintAt(DesignSize);
    ASSERT_EQ(layout.LegendEntries.size(), 9u);
    const char* titles[] = {"K", "S", "J", "N", "T", "E", "R", "B", "C"};
    for (std::size_t i = 0; i < 9; ++i) {
        const LegendEntry& entry = layout.LegendEntries[i];
        EXPECT_EQ(entry.Label.Text, titles[i]);
        EXPECT_EQ(entry.SymbolPen, (Pen{m_chart.SeriesAt(i).Colour, 3, PenStyle::Solid}));
        EXPECT_EQ(entry.Label.Origin.Y, layout.LegendEntries[0].Label.Origin.Y);
        // The symbol is as wide as the entry (1 character + 4), centred on the text's height, before it.
        EXPECT_EQ(entry.SymbolTo.X - entry.SymbolFrom.X, 6 + 4);
        EXPECT_EQ(entry.SymbolFrom.Y, entry.Label.Origin.Y + 14 / 2);
        EXPECT_LT(entry.SymbolTo.X, entry.Label.Origin.X);
        if (i > 0) {
            EXPECT_GT(entry.SymbolFrom.X, layout.LegendEntries[i - 1].Label.Origin.X);
        }
    }
    // The box: 2 px above the foot's 5-px gap; centred, then shifted right by 10 % of the width left over.
    EXPECT_EQ(layout.Legend.Bottom, layout.Foot.Top - 5 - 2);
    const int leftOver = layout.Working.Width() - layout.Legend.Width();
    EXPECT_EQ(layout.Legend.Left, layout.Working.Left + leftOver / 2 + std::lround(leftOver * 0.1));
    // Only the 4 % margin is taken from the plot, so the bottom axis' bands reach into the legend.
    EXPECT_GT(layout.Plot.Bottom + 6 + 14 + 14, layout.Legend.Top);
}

TEST_F(ChartLayoutTest, FootOffMovesLegendAndPlotDown) {
    const ChartLayout shown = PaintAt(DesignSize);
    m_chart.Foot.SetVisible(false);
    const ChartLayout& hidden = PaintAt(DesignSize);
    EXPECT_TRUE(hidden.Foot.IsEmpty());
    EXPECT_TRUE(
        std::ranges::none_of(m_canvas.Texts(), [&](const std::string& t) { return t == m_chart.Foot.Text; }));
    // The legend box stands 2 px above the working bottom 437 instead of 418.
    EXPECT_EQ(shown.Legend.Bottom, 416);
    EXPECT_EQ(hidden.Legend.Bottom, 435);
    // Plot bottom: 437 less 4 % of (437 - 39) = 16, less 34 px of bottom bands.
    EXPECT_EQ(shown.Plot.Bottom, 369);
    EXPECT_EQ(hidden.Plot.Bottom, 387);
    EXPECT_EQ(hidden.Plot.Top, shown.Plot.Top);
}

TEST_F(ChartLayoutTest, TooNarrowForOneLegendColumnShowsNoLegendAndTakesNoRoom) {
    // A column is 4 + 10 + 4 + 10 = 28 px and the frame 2: at 31 px the working width is 31 - 2 x 1 = 29.
    const ChartLayout& layout = PaintAt({31, 455});
    EXPECT_TRUE(layout.Legend.IsEmpty());
    EXPECT_TRUE(layout.LegendEntries.empty());
    EXPECT_TRUE(std::ranges::none_of(m_canvas.Texts(), [](const std::string& t) { return t == "K"; }));
    // Foot top 423 - 5 and the bottom bands only: no legend margin.
    EXPECT_EQ(layout.Plot.Bottom, 418 - 34);
}

TEST_F(ChartLayoutTest, HiddenTopAndRightAxesGetTheirOwnScaleOverThePlot) {
    SetAxisRange(m_chart.TopAxis, 10, 20);
    SetAxisRange(m_chart.RightAxis, -1, 1);
    const ChartLayout& layout = PaintAt(DesignSize);
    const Rect& plot = layout.Plot;
    EXPECT_EQ(m_chart.TopAxis.Scale.Orientation, AxisOrientation::Horizontal);
    EXPECT_EQ(m_chart.TopAxis.Scale.ValueAt(plot.Left), 10);
    EXPECT_EQ(m_chart.TopAxis.Scale.ValueAt(plot.Right), 20);
    EXPECT_EQ(m_chart.RightAxis.Scale.ValueAt(plot.Top), 1);
    EXPECT_EQ(m_chart.RightAxis.Scale.ValueAt(plot.Bottom), -1);
}

TEST_F(ChartLayoutTest, ZoomedCurvesStartAtTheLeftEdgeByInterpolation) {
    SetAxisRange(m_chart.BottomAxis, 100, 500);
    SetAxisRange(m_chart.LeftAxis, 0, 20000);
    const ChartLayout& layout = PaintAt(DesignSize);
    int startingAtTheEdge = 0;
    for (std::size_t i = 0; i < m_chart.SeriesCount(); ++i) {
        const std::vector<PointF>& points = m_chart.SeriesAt(i).Points;
        const auto after = std::ranges::find_if(points, [](const PointF& p) { return p.X >= 100; });
        if (after == points.begin() || after == points.end() || after->X >= 500)
            continue; // C starts right of the view: nothing of it is drawn
        const PointF& before = *(after - 1);
        const double y = before.Y + (100 - before.X) * (after->Y - before.Y) / (after->X - before.X);
        ASSERT_FALSE(layout.Curves[i].Runs.empty()) << i;
        EXPECT_EQ(layout.Curves[i].Runs.front().front(),
                  (Point{layout.Plot.Left, static_cast<int>(std::lround(layout.Left.Scale.PixelOf(y)))}))
            << i;
        ++startingAtTheEdge;
    }
    EXPECT_EQ(startingAtTheEdge, 8);
    EXPECT_TRUE(layout.Curves[8].Runs.empty());

    // All curve drawing is clipped to the inside of the plot frame.
    for (const RecordingCanvas::Call& call : m_canvas.Calls())
        if (call.What == RecordingCanvas::Kind::Polyline) {
            EXPECT_EQ(call.Clip, layout.CurveClip);
        }
}

TEST_F(ChartLayoutTest, FarZoomKeepsCurvePixelsNearThePlot) {
    // A range of 1e-10 puts the neighbouring points some 1e14 px away from the plot.
    SetAxisRange(m_chart.BottomAxis, 500, 500 + 1e-10);
    const ChartLayout& layout = PaintAt(DesignSize);
    const Rect& plot = layout.Plot;
    const int labelSize = RecordingCanvas::Measure("500", style::ChartFont).Width;
    EXPECT_LE(static_cast<int>(layout.Bottom.Labels.size()), LabelsThatFit(plot.Width(), labelSize) + 1);
    int drawn = 0;
    for (const CurvePath& curve : layout.Curves)
        for (const std::vector<Point>& run : curve.Runs) {
            ++drawn;
            for (const Point& p : run) {
                EXPECT_GE(p.X, plot.Left - 5);
                EXPECT_LE(p.X, plot.Right + 5);
                EXPECT_GE(p.Y, plot.Top - 5);
                EXPECT_LE(p.Y, plot.Bottom + 5);
            }
        }
    EXPECT_EQ(drawn, 7); // all but T and C, which lie left and right of 500 °C: level lines
}

TEST_F(ChartLayoutTest, DegenerateSizesLeaveAnEmptyPlotAndDrawNothingOutsideIt) {
    // A minimised window paints at 0 x 0; a window dragged small squeezes the plot to nothing.
    for (const Size size : {Size{0, 0}, Size{1, 1}, Size{40, 30}, Size{726, 40}, Size{20, 900}}) {
        const ChartLayout& layout = PaintAt(size);
        EXPECT_GE(layout.Plot.Width(), 0);
        EXPECT_GE(layout.Plot.Height(), 0);
        EXPECT_GE(layout.CurveClip.Width(), 0);
        EXPECT_GE(layout.CurveClip.Height(), 0);
        for (const RecordingCanvas::Call& call : m_canvas.Calls())
            if (call.What == RecordingCanvas::Kind::Polyline) {
                EXPECT_EQ(call.Clip, layout.CurveClip);
            }
    }
}
