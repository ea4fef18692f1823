#include "RecordingCanvas.h"
#include "ThermoCurves.h"
#include "ZoomPanFakeChart.h"

#include "chart/Chart.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <vector>

using namespace chart;
using chart::testing::RecordingCanvas;
using fake::OutlineOf;

namespace {

constexpr Size DesignSize{726, 455};

bool IsOutline(const RecordingCanvas::Call& call) {
    return call.What == RecordingCanvas::Kind::Outline;
}

// The real chart with its nine curves, laid out at the design size, its window an outline screen.
class ChartMouseTest : public ::testing::Test {
protected:
    ChartMouseTest() {
        chart::testing::AddThermoCurves(m_chart);
        m_chart.OnRepaintRequest = [this](Repaint kind) {
            m_requests.push_back(kind);
        };
        m_chart.OnDrawOnWindow = [this](const std::function<void(Canvas&)>& draw) {
            draw(m_window);
        };
        Paint();
        const Rect& plot = m_chart.LastLayout().Plot;
        m_centre = {(plot.Left + plot.Right) / 2, (plot.Top + plot.Bottom) / 2};
    }

    void Paint() {
        RecordingCanvas bitmap;
        m_chart.Paint(bitmap, DesignSize);
    }

    void Drag(MouseButton button, Point from, Point to) {
        m_chart.Mouse().Press(button, from);
        m_chart.Mouse().Move(to);
        m_chart.Mouse().Release(button, to);
    }

    Point FromCentre(int dx, int dy) const { return {m_centre.X + dx, m_centre.Y + dy}; }

    Chart m_chart;
    fake::OutlineScreen m_window;
    std::vector<Repaint> m_requests;
    Point m_centre;
};

TEST_F(ChartMouseTest, AZoomSetsAllFourAxesFromTheLatestLayoutAndRequestsOneDeferredRepaint) {
    const Point press = FromCentre(-100, -80);
    const Point release = FromCentre(60, 50);
    const AxisScale bottom = m_chart.BottomAxis.Scale;
    const AxisScale left = m_chart.LeftAxis.Scale;

    Drag(MouseButton::Left, press, release);

    EXPECT_EQ(m_requests, std::vector{Repaint::Deferred});
    EXPECT_EQ(m_chart.BottomAxis.Minimum, bottom.ValueAt(press.X));
    EXPECT_EQ(m_chart.BottomAxis.Maximum, bottom.ValueAt(release.X));
    EXPECT_EQ(m_chart.LeftAxis.Minimum, left.ValueAt(release.Y));
    EXPECT_EQ(m_chart.LeftAxis.Maximum, left.ValueAt(press.Y));
    for (const Axis* axis : {&m_chart.BottomAxis, &m_chart.TopAxis, &m_chart.LeftAxis, &m_chart.RightAxis})
        EXPECT_FALSE(axis->Automatic || axis->AutomaticMinimum || axis->AutomaticMaximum);
}

TEST_F(ChartMouseTest, EachGestureRequestsItsKindOfRepaint) {
    struct Case {
        const char* Name;
        std::function<void()> Gesture;
        std::vector<Repaint> Expected;
    };
    const Case cases[] = {
        {"a 16-px zoom drag", [this] { Drag(MouseButton::Left, m_centre, FromCentre(16, 16)); }, {}},
        {"an unzoom",
         [this] { Drag(MouseButton::Left, m_centre, FromCentre(-50, -50)); },
         {Repaint::Deferred}},
        {"a pan", [this] { Drag(MouseButton::Right, m_centre, FromCentre(-50, 0)); }, {Repaint::Deferred}},
        {"a wheel notch", [this] { m_chart.Mouse().Wheel(WheelStep); }, {Repaint::Immediate}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        m_requests.clear();
        c.Gesture();
        EXPECT_EQ(m_requests, c.Expected);
    }
}

TEST_F(ChartMouseTest, TheOutlineGoesOnTheWindowAndTheOverlayNeverIntoTheKeptPicture) {
    const Point corner = FromCentre(40, 30);
    m_chart.Mouse().Press(MouseButton::Left, m_centre);
    m_chart.Mouse().Move(corner);
    EXPECT_EQ(m_window.Outlines, std::set{OutlineOf(m_centre, corner)});

    RecordingCanvas bitmap;
    m_chart.Paint(bitmap, DesignSize);
    EXPECT_EQ(bitmap.IndexOf(IsOutline), -1);

    RecordingCanvas screen;
    m_chart.PaintOverlay(screen);
    ASSERT_EQ(screen.Calls().size(), 1u);
    EXPECT_TRUE(IsOutline(screen.Calls()[0]));
    EXPECT_EQ(screen.Calls()[0].Points, (std::vector{m_centre, corner}));
    EXPECT_EQ(screen.Calls()[0].Colour, colors::Black); // the white background's pen

    m_chart.Mouse().Release(MouseButton::Left, corner);
    EXPECT_TRUE(m_window.Outlines.empty());
    RecordingCanvas afterwards;
    m_chart.PaintOverlay(afterwards);
    EXPECT_TRUE(afterwards.Calls().empty());
}

} // namespace
