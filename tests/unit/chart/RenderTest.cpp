#include "RecordingCanvas.h"
#include "ThermoCurves.h"

#include "chart/Chart.h"
#include "chart/Style.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>

using namespace chart;
using chart::testing::AddThermoCurves;
using chart::testing::RecordingCanvas;
using Kind = RecordingCanvas::Kind;
using Call = RecordingCanvas::Call;

namespace {

constexpr Size DesignSize{726, 455};
constexpr EdgeColours Desktop{{241, 239, 226}, {172, 168, 153}};

class ChartRenderTest : public ::testing::Test {
protected:
    ChartRenderTest() {
        AddThermoCurves(m_chart);
        m_chart.Edge = Desktop;
    }

    const std::vector<Call>& PaintOn(Rect area, Medium medium) {
        m_canvas = RecordingCanvas();
        m_chart.Paint(m_canvas, area, medium);
        return m_canvas.Calls();
    }

    Chart m_chart;
    RecordingCanvas m_canvas;
};

bool IsGrid(const Call& call) {
    return call.What == Kind::Line && call.LinePen.Colour == style::GridPen.Colour &&
           call.LinePen.Style == PenStyle::Dot;
}

} // namespace

TEST_F(ChartRenderTest, ScreenStartsWithTheWhiteAreaAndItsRaisedEdge) {
    const std::vector<Call>& calls = PaintOn({0, 0, 726, 455}, Medium::Screen);
    ASSERT_GE(calls.size(), 5u);
    EXPECT_EQ(calls[0].What, Kind::Fill);
    EXPECT_EQ(calls[0].Area, (Rect{0, 0, 726, 455}));
    EXPECT_EQ(calls[0].Colour, colors::White);
    // Top and left in the highlight, then bottom and right in the shadow, covering the corners.
    const Rect edges[] = {{0, 0, 726, 1}, {0, 0, 1, 455}, {0, 454, 726, 455}, {725, 0, 726, 455}};
    const Color colours[] = {Desktop.Highlight, Desktop.Highlight, Desktop.Shadow, Desktop.Shadow};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(calls[1 + i].Area, edges[i]);
        EXPECT_EQ(calls[1 + i].Colour, colours[i]);
    }
}

TEST_F(ChartRenderTest, DrawsTheFormTextsInTheirFonts) {
    PaintOn({0, 0, 726, 455}, Medium::Screen);
    const auto text = [&](std::string_view wanted) {
        const int i =
            m_canvas.IndexOf([&](const Call& c) { return c.What == Kind::Text && c.Text == wanted; });
        EXPECT_GE(i, 0) << wanted;
        return i < 0 ? Call{} : m_canvas.Calls()[i];
    };
    EXPECT_EQ(text("Charakteristiky termočlánků").TextFont,
              (Font{"Arial", 13, FontStyle::Bold, colors::Black}));
    const std::string foot = "Levé tlačítko myši = Zoom / Unzoom,"
                             "                                "
                             "Pravé tlačítko myši = uchopení a posun";
    EXPECT_EQ(text(foot).TextFont, (Font{"Arial", 11, FontStyle::Italic, colors::Black}));
    EXPECT_EQ(text("Teplota [°C]").Direction, TextDirection::Horizontal);
    const Call left = text("Napětí [uV]");
    EXPECT_EQ(left.Direction, TextDirection::Upwards);
    EXPECT_EQ(left.TextFont, (Font{"Arial", 11, FontStyle::Regular, colors::Black}));
}

TEST_F(ChartRenderTest, GridLiesUnderTheCurvesAndTheCurvesComeInSeriesOrder) {
    const std::vector<Call>& calls = PaintOn({0, 0, 726, 455}, Medium::Screen);
    int lastGrid = -1;
    std::vector<Color> curveColours;
    int firstCurve = -1;
    for (int i = 0; i < static_cast<int>(calls.size()); ++i) {
        if (IsGrid(calls[i]))
            lastGrid = i;
        if (calls[i].What == Kind::Polyline) {
            if (firstCurve < 0)
                firstCurve = i;
            EXPECT_EQ(calls[i].LinePen.Width, 3);
            curveColours.push_back(calls[i].LinePen.Colour);
        }
    }
    ASSERT_GE(lastGrid, 0);
    EXPECT_LT(lastGrid, firstCurve);
    std::vector<Color> seriesColours;
    for (std::size_t i = 0; i < m_chart.SeriesCount(); ++i)
        seriesColours.push_back(m_chart.SeriesAt(i).Colour);
    EXPECT_EQ(curveColours, seriesColours); // one run each in the full view; C (navy) last
    EXPECT_EQ(calls.back().What, Kind::Polyline);
    EXPECT_EQ(calls.back().LinePen.Colour, colors::Navy);
}

TEST_F(ChartRenderTest, AxisLinesAndTicksFillTheTickBandOutsideThePlot) {
    const std::vector<Call>& calls = PaintOn({0, 0, 726, 455}, Medium::Screen);
    const ChartLayout& layout = m_chart.LastLayout();
    const Rect& plot = layout.Plot;
    const auto filled = [&](const Rect& area, Color colour) {
        return std::ranges::count_if(calls, [&](const Call& c) {
            return c.What == Kind::Fill && c.Area == area && c.Colour == colour;
        });
    };
    // 2-px axis lines just outside the plot's bottom and left edges, meeting in the corner.
    EXPECT_EQ(filled({plot.Left - 2, plot.Bottom, plot.Right, plot.Bottom + 2}, colors::Black), 1);
    EXPECT_EQ(filled({plot.Left - 2, plot.Top, plot.Left, plot.Bottom + 2}, colors::Black), 1);
    // Beyond them the 4-px ticks at the labels and the 2-px minor ticks, grey, 1 px wide.
    for (const AxisLabel& label : layout.Bottom.Labels)
        EXPECT_EQ(
            filled({label.Position, plot.Bottom + 2, label.Position + 1, plot.Bottom + 6}, colors::Gray), 1);
    for (int position : layout.Bottom.MinorTicks)
        EXPECT_EQ(filled({position, plot.Bottom + 2, position + 1, plot.Bottom + 4}, colors::Gray), 1);
    for (const AxisLabel& label : layout.Left.Labels)
        EXPECT_EQ(filled({plot.Left - 6, label.Position, plot.Left - 2, label.Position + 1}, colors::Gray),
                  1);
    for (int position : layout.Left.MinorTicks)
        EXPECT_EQ(filled({plot.Left - 4, position, plot.Left - 2, position + 1}, colors::Gray), 1);
    // -9835..76373 by 5000: three between labels, -6250 to -8750 below -5000 and 76250 above 75000.
    EXPECT_EQ(layout.Left.MinorTicks.size(), 3 * (layout.Left.Labels.size() - 1) + 3 + 1);
}

TEST_F(ChartRenderTest, PaperHasNoPanelAndDrawsDottedLinesAtWidthZero) {
    m_chart.Foot.SetVisible(false);
    const std::vector<Call> screen = PaintOn({0, 0, 726, 455}, Medium::Screen);
    const ChartLayout onScreen = m_chart.LastLayout();
    // The chart's logical rectangle on a 6000 x 4000 printable area, 15 % margins.
    const std::vector<Call>& paper = PaintOn({156, 98, 882, 553}, Medium::Paper);

    EXPECT_TRUE(std::ranges::none_of(paper, [](const Call& c) {
        return c.What == Kind::Fill && (c.Colour == Desktop.Highlight || c.Colour == Desktop.Shadow);
    }));
    EXPECT_NE(paper.front().Area, (Rect{156, 98, 882, 553}));
    int grid = 0;
    for (const Call& call : paper) {
        if (IsGrid(call)) {
            ++grid;
            EXPECT_EQ(call.LinePen.Width, 0);
        }
        if (call.What == Kind::Polyline || call.What == Kind::Frame) {
            EXPECT_EQ(call.LinePen.Style, PenStyle::Solid);
            EXPECT_GE(call.LinePen.Width, 1);
        }
    }
    EXPECT_GT(grid, 0);
    // The same picture, moved to the page rectangle's place.
    EXPECT_EQ(paper.size() + 5, screen.size());
    const Rect& plot = m_chart.LastLayout().Plot;
    EXPECT_EQ(plot, (Rect{onScreen.Plot.Left + 156, onScreen.Plot.Top + 98, onScreen.Plot.Right + 156,
                          onScreen.Plot.Bottom + 98}));
    EXPECT_EQ(m_chart.LastLayout().Bottom.Increment, onScreen.Bottom.Increment);
}

TEST_F(ChartRenderTest, SwitchingTheFootRequestsAnImmediateRepaint) {
    std::vector<Repaint> requests;
    m_chart.OnRepaintRequest = [&](Repaint kind) {
        requests.push_back(kind);
    };
    m_chart.Foot.SetVisible(false);
    m_chart.Foot.SetVisible(false);
    m_chart.Foot.SetVisible(true);
    EXPECT_EQ(requests, (std::vector<Repaint>{Repaint::Immediate, Repaint::Immediate}));
}

TEST(ChartHitTest, FindsTheTopmostCurveUnderThePointInsideThePlot) {
    Chart chart;
    Series& rising = chart.AddSeries("A", colors::Red);
    rising.AddXY(0, 0);
    rising.AddXY(100, 100);
    Series& falling = chart.AddSeries("B", colors::Blue);
    falling.AddXY(0, 100);
    falling.AddXY(100, 0);
    RecordingCanvas canvas;
    chart.Paint(canvas, DesignSize);
    const ChartLayout& layout = chart.LastLayout();
    const auto at = [&](double x, double y) {
        return Point{static_cast<int>(std::lround(layout.Bottom.Scale.PixelOf(x))),
                     static_cast<int>(std::lround(layout.Left.Scale.PixelOf(y)))};
    };
    struct Case {
        Point Where;
        std::optional<std::size_t> Expected;
    };
    const Point quarter = at(25, 25);
    const Case cases[] = {
        {quarter, 0},
        {{quarter.X, quarter.Y + 2}, 0}, // within the 3-px pen and a pixel of slack
        {{quarter.X, quarter.Y + 6}, std::nullopt},
        {at(50, 50), 1}, // where they cross, the later series lies on top
        {at(75, 25), 1},
        {{layout.Plot.Left, layout.Plot.Bottom - 1}, std::nullopt}, // on the frame: the line is clipped there
    };
    for (const Case& c : cases) {
        EXPECT_EQ(chart.CurveAt(c.Where), c.Expected) << c.Where.X << "," << c.Where.Y;
        EXPECT_EQ(chart.HitsCurve(c.Where), c.Expected.has_value());
    }
}
