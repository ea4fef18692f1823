// Long random sequences of mouse input, resizes and paints on the fake chart, with the rules of the mouse
// handling checked after every event. CI runs the fixed seed below; a longer run by hand takes its seed
// and its number of events from the environment, e.g. (from the worktree's root)
//   TERMO_ZOOMPAN_SEED=42 TERMO_ZOOMPAN_EVENTS=5000000 build/native/tests/unit/chart_tests
//       --gtest_filter='ZoomPanRandom.*'
#include "ZoomPanFakeChart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <ostream>
#include <random>
#include <set>

using chart::AxesView;
using chart::AxisSide;
using chart::MouseButton;
using chart::Point;
using fake::FakeChart;

namespace {

constexpr std::uint64_t CiSeed = 20240611;
constexpr std::uint64_t CiEvents = 20000;

std::uint64_t FromEnvironment(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::strtoull(text, nullptr, 10) : fallback;
}

enum class EventKind { Press, Move, Release, Wheel, Leave, CancelZoomDrag, Resize, Paint };

struct Event {
    EventKind Kind = EventKind::Paint;
    MouseButton Button = MouseButton::Left;
    Point Where;
    int Rotation = 0;
    chart::Size ClientSize;
};

std::ostream& operator<<(std::ostream& out, const Event& event) {
    const char* const buttons[] = {"left", "right", "middle"};
    const char* const button = buttons[static_cast<int>(event.Button)];
    const auto where = [&] {
        return " at " + std::to_string(event.Where.X) + ", " + std::to_string(event.Where.Y);
    };
    switch (event.Kind) {
    case EventKind::Press:
        return out << "press " << button << where();
    case EventKind::Move:
        return out << "move" << where();
    case EventKind::Release:
        return out << "release " << button << where();
    case EventKind::Wheel:
        return out << "wheel " << event.Rotation;
    case EventKind::Leave:
        return out << "leave";
    case EventKind::CancelZoomDrag:
        return out << "capture lost";
    case EventKind::Resize:
        return out << "resize to " << event.ClientSize.Width << " x " << event.ClientSize.Height;
    case EventKind::Paint:
        break;
    }
    return out << "paint";
}

// Mostly short movements near the pointer, so that drags fall on both sides of the 16-pixel rule, with
// jumps anywhere in and around the chart and onto the plot's edges. Small sizes leave no plot at all.
class EventSource {
public:
    explicit EventSource(std::uint64_t seed) : m_random(seed) {}

    Event Next(const FakeChart& chart) {
        Event event;
        const int roll = Below(100);
        if (roll < 14)
            event.Kind = EventKind::Press;
        else if (roll < 54)
            event.Kind = EventKind::Move;
        else if (roll < 68)
            event.Kind = EventKind::Release;
        else if (roll < 78)
            event.Kind = EventKind::Wheel;
        else if (roll < 82)
            event.Kind = EventKind::Leave;
        else if (roll < 83)
            event.Kind = EventKind::CancelZoomDrag;
        else if (roll < 86)
            event.Kind = EventKind::Resize;
        else
            event.Kind = EventKind::Paint;

        const int button = Below(10);
        event.Button = button < 4 ? MouseButton::Left : button < 8 ? MouseButton::Right : MouseButton::Middle;
        event.Where = m_pointer = SomePoint(chart);
        const int rotations[] = {chart::WheelStep, -chart::WheelStep, 2 * chart::WheelStep,
                                 Between(-130, 130)};
        event.Rotation = rotations[Below(4)];
        event.ClientSize =
            Below(4) == 0 ? FakeChart::DesignSize : chart::Size{Between(60, 1400), Between(60, 1000)};
        return event;
    }

private:
    int Below(int n) { return static_cast<int>(m_random() % static_cast<std::uint64_t>(n)); }
    int Between(int low, int high) { return low + Below(high - low + 1); }

    Point SomePoint(const FakeChart& chart) {
        const int roll = Below(100);
        if (roll < 55)
            return {m_pointer.X + Between(-40, 40), m_pointer.Y + Between(-40, 40)};
        const chart::Size size = chart.Layout.ClientSize;
        if (roll < 85)
            return {Between(-100, size.Width + 100), Between(-100, size.Height + 100)};
        const chart::Rect& plot = chart.Layout.Plot;
        const int nearX = (Below(2) ? plot.Left : plot.Right) + Between(-7, 4);
        const int nearY = (Below(2) ? plot.Top : plot.Bottom) + Between(-4, 7);
        return Below(2) ? Point{nearX, Between(plot.Top, plot.Bottom)}
                        : Point{Between(plot.Left, plot.Right), nearY};
    }

    std::mt19937_64 m_random;
    Point m_pointer{300, 200};
};

void Apply(FakeChart& chart, const Event& event) {
    switch (event.Kind) {
    case EventKind::Press:
        return chart.Mouse.Press(event.Button, event.Where);
    case EventKind::Move:
        return chart.Mouse.Move(event.Where);
    case EventKind::Release:
        return chart.Mouse.Release(event.Button, event.Where);
    case EventKind::Wheel:
        return chart.Mouse.Wheel(event.Rotation);
    case EventKind::Leave:
        return chart.Mouse.Leave();
    case EventKind::CancelZoomDrag:
        return chart.Mouse.CancelZoomDrag();
    case EventKind::Resize:
        return chart.Resize(event.ClientSize);
    case EventKind::Paint:
        return chart.Paint();
    }
}

// What the checks compare with.
struct Snapshot {
    AxesView View;
    chart::ZoomDragState ZoomDrag;
    chart::PanDragState PanDrag;
    bool HasSavedView;
    AxesView SavedView;
    int DeferredRepaints;
    int ImmediateRepaints;

    explicit Snapshot(FakeChart& chart)
        : View(chart.View()), ZoomDrag(chart.Mouse.ZoomDrag()), PanDrag(chart.Mouse.PanDrag()),
          HasSavedView(chart.Mouse.HasSavedView()), SavedView(chart.Mouse.SavedView()),
          DeferredRepaints(chart.DeferredRepaints), ImmediateRepaints(chart.ImmediateRepaints) {}

    bool Dragging() const { return ZoomDrag.Dragging || PanDrag.Dragging; }
    int Repaints() const { return DeferredRepaints + ImmediateRepaints; }
};

// The same flags and, on a manual axis, the same range: an automatic axis takes its range from the data
// at each layout.
bool SameSetting(const chart::AxisView& a, const chart::AxisView& b) {
    const bool sameFlags = a.Automatic == b.Automatic && a.AutomaticMinimum == b.AutomaticMinimum &&
                           a.AutomaticMaximum == b.AutomaticMaximum;
    return sameFlags && (a.Automatic || (a.Minimum == b.Minimum && a.Maximum == b.Maximum));
}

testing::AssertionResult HoldsTheRules(FakeChart& chart, const Event& event, const Snapshot& before) {
    const Snapshot after(chart);

    if (after.ZoomDrag.Dragging && after.PanDrag.Dragging)
        return testing::AssertionFailure() << "two drags at once";

    for (const AxisSide side : chart::AllAxisSides) {
        const chart::AxisView& axis = after.View[IndexOf(side)];
        if (!std::isfinite(axis.Minimum) || !std::isfinite(axis.Maximum) ||
            !fake::KeepsTheNarrowestRange(axis))
            return testing::AssertionFailure()
                   << "axis " << IndexOf(side) << " ranges " << axis.Minimum << ".." << axis.Maximum;
    }

    // Each not-XOR drawing toggles one outline on the screen, so this also counts them.
    const std::set<fake::Outline> expectedOutlines =
        after.ZoomDrag.Dragging
            ? std::set{fake::OutlineOf(after.ZoomDrag.StartPoint, after.ZoomDrag.CurrentPoint)}
            : std::set<fake::Outline>{};
    if (chart.Screen.Outlines != expectedOutlines)
        return testing::AssertionFailure() << chart.Screen.Outlines.size() << " outlines on the screen, "
                                           << expectedOutlines.size() << " expected";

    if (before.HasSavedView && !after.HasSavedView) // an unzoom
        for (const AxisSide side : chart::AllAxisSides)
            if (!SameSetting(after.View[IndexOf(side)], before.SavedView[IndexOf(side)]))
                return testing::AssertionFailure() << "the unzoom did not restore axis " << IndexOf(side);

    switch (event.Kind) {
    case EventKind::Wheel:
        for (const AxisSide side : {AxisSide::Bottom, AxisSide::Top})
            if (!SameSetting(after.View[IndexOf(side)], before.View[IndexOf(side)]))
                return testing::AssertionFailure() << "the wheel moved horizontal axis " << IndexOf(side);
        if (after.HasSavedView != before.HasSavedView || after.SavedView != before.SavedView)
            return testing::AssertionFailure() << "the wheel touched the saved view";
        if (after.DeferredRepaints != before.DeferredRepaints)
            return testing::AssertionFailure() << "the wheel deferred its repaint";
        break;
    case EventKind::Move:
        if (before.ZoomDrag.Dragging && (after.Repaints() != before.Repaints() || after.View != before.View))
            return testing::AssertionFailure() << "a move during a zoom drag repainted or changed the view";
        if (!chart.Layout.Plot.Contains(event.Where) && (after.PanDrag.Dragging || after.View != before.View))
            return testing::AssertionFailure() << "a move outside the plot panned";
        break;
    case EventKind::Press:
        if (before.Dragging() && (after.ZoomDrag != before.ZoomDrag || after.PanDrag != before.PanDrag))
            return testing::AssertionFailure() << "a press during a drag changed it";
        [[fallthrough]];
    case EventKind::Leave:
    case EventKind::CancelZoomDrag:
        if (event.Kind == EventKind::Leave && after.PanDrag.Dragging)
            return testing::AssertionFailure() << "leaving the chart left the pan running";
        if (after.View != before.View || after.Repaints() != before.Repaints() ||
            after.HasSavedView != before.HasSavedView)
            return testing::AssertionFailure() << "the view changed";
        break;
    case EventKind::Release:
        if (!before.Dragging() && (after.View != before.View || after.Repaints() != before.Repaints()))
            return testing::AssertionFailure() << "a release with no drag changed the view";
        if (after.PanDrag.Dragging)
            return testing::AssertionFailure() << "a release left the pan running";
        break;
    case EventKind::Resize:
    case EventKind::Paint:
        break;
    }
    return testing::AssertionSuccess();
}

TEST(ZoomPanRandom, LongSequencesKeepTheRules) {
    const std::uint64_t seed = FromEnvironment("TERMO_ZOOMPAN_SEED", CiSeed);
    const std::uint64_t events = FromEnvironment("TERMO_ZOOMPAN_EVENTS", CiEvents);
    FakeChart chart;
    EventSource source(seed);

    // That the sequence did reach every gesture.
    int zoomDrags = 0, unzooms = 0, panSteps = 0, wheelSteps = 0;
    for (std::uint64_t index = 0; index < events; ++index) {
        const Event event = source.Next(chart);
        const Snapshot before(chart);
        Apply(chart, event);
        ASSERT_TRUE(HoldsTheRules(chart, event, before))
            << "seed " << seed << ", event " << index << ": " << event;

        zoomDrags += !before.ZoomDrag.Dragging && chart.Mouse.ZoomDrag().Dragging;
        unzooms += before.HasSavedView && !chart.Mouse.HasSavedView();
        panSteps += event.Kind == EventKind::Move && before.PanDrag.Dragging &&
                    chart.DeferredRepaints > before.DeferredRepaints;
        wheelSteps += chart.ImmediateRepaints - before.ImmediateRepaints;
    }
    if (events >= CiEvents) {
        EXPECT_GT(zoomDrags, 100);
        EXPECT_GT(unzooms, 10);
        EXPECT_GT(panSteps, 100);
        EXPECT_GT(wheelSteps, 100);
    }
}

} // namespace
