#include "ZoomPanFakeChart.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdlib>
#include <functional>
#include <set>
#include <vector>

using chart::AxesView;
using chart::AxisSide;
using chart::ChartPart;
using chart::MouseButton;
using chart::Point;
using fake::FakeChart;
using fake::OutlineOf;

namespace {

constexpr Point Centre{300, 200};

Point Offset(Point point, int dx, int dy) {
    return {point.X + dx, point.Y + dy};
}

void Drag(FakeChart& chart, MouseButton button, Point from, Point to) {
    chart.Mouse.Press(button, from);
    chart.Mouse.Move(to);
    chart.Mouse.Release(button, to);
}

// A zoom into the upper left quarter of the plot, laid out.
void ZoomIn(FakeChart& chart) {
    Drag(chart, MouseButton::Left, {100, 60}, {330, 190});
    chart.Paint();
}

void Unzoom(FakeChart& chart) {
    Drag(chart, MouseButton::Left, Centre, Offset(Centre, -100, -100));
    chart.Paint();
}

// The ranges as bottom, top, left, right, all manual.
AxesView Manual(std::array<double, 8> ranges) {
    AxesView view;
    for (const AxisSide side : chart::AllAxisSides) {
        const std::size_t i = IndexOf(side);
        view[i] = {false, false, false, ranges[2 * i], ranges[2 * i + 1]};
    }
    return view;
}

bool Idle(const FakeChart& chart) {
    return !chart.Mouse.ZoomDrag().Dragging && !chart.Mouse.PanDrag().Dragging;
}

TEST(ZoomPanZoom, DragOf16PixelsOrLessEitherWayChangesNothing) {
    struct Case {
        int Dx, Dy;
    };
    const Case cases[] = {
        {0, 0},     {16, 16}, {16, 200}, {200, 16},  {-16, -200}, {200, -16},
        {-200, 16}, {17, 16}, {16, 17},  {-17, -16}, {-16, 17},   {16, -17},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "drag " << c.Dx << ", " << c.Dy);
        FakeChart chart;
        Drag(chart, MouseButton::Left, Centre, Offset(Centre, c.Dx, c.Dy));
        EXPECT_EQ(chart.View(), FakeChart::FullView());
        EXPECT_FALSE(chart.Mouse.HasSavedView());
        EXPECT_EQ(chart.DeferredRepaints + chart.ImmediateRepaints, 0);
        EXPECT_TRUE(Idle(chart));
        EXPECT_TRUE(chart.Screen.Outlines.empty());
    }

    FakeChart chart;
    for (int click = 0; click < 2; ++click) {
        chart.Mouse.Press(MouseButton::Left, Centre);
        chart.Mouse.Release(MouseButton::Left, Centre);
    }
    EXPECT_EQ(chart.View(), FakeChart::FullView());
    EXPECT_EQ(chart.DeferredRepaints + chart.ImmediateRepaints, 0);
}

TEST(ZoomPanZoom, RightAndDownZoomsToTheValuesAtPressAndRelease) {
    struct Case {
        const char* Name;
        Point Press, Release;
        AxesView Expected;
    };
    const Case cases[] = {
        {"17 right, 17 down", {100, 100}, {117, 117}, Manual({-50, 35, 100, 134, 42600, 46000, 526, 560})},
        {"released outside the window",
         {600, 300},
         {800, 500},
         Manual({2450, 3450, 1100, 1500, -34000, 6000, -240, 160})},
        {"from the left axis strip",
         {46, 100},
         {146, 217},
         Manual({-320, 180, -8, 192, 22600, 46000, 326, 560})},
        {"from the curve above the plot",
         {300, 29},
         {400, 129},
         Manual({950, 1450, 500, 700, 40200, 60200, 502, 702})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        FakeChart chart;
        Drag(chart, MouseButton::Left, c.Press, c.Release);
        EXPECT_EQ(chart.View(), c.Expected);
        EXPECT_EQ(chart.DeferredRepaints, 1);
        EXPECT_EQ(chart.ImmediateRepaints, 0);
        EXPECT_TRUE(chart.Mouse.HasSavedView());
        EXPECT_EQ(chart.Mouse.SavedView(), FakeChart::FullView());
    }
}

TEST(ZoomPanZoom, EveryOtherDirectionUnzooms) {
    struct Case {
        int Dx, Dy;
    };
    const Case cases[] = {{100, -100}, {-100, 100}, {-100, -100}, {17, -17}, {-17, 17}, {-17, -17}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "drag " << c.Dx << ", " << c.Dy);
        FakeChart chart;
        ZoomIn(chart);
        ASSERT_NE(chart.View(), FakeChart::FullView());
        chart.DeferredRepaints = 0;

        Drag(chart, MouseButton::Left, Centre, Offset(Centre, c.Dx, c.Dy));
        EXPECT_EQ(chart.DeferredRepaints, 1);
        EXPECT_FALSE(chart.Mouse.HasSavedView());
        chart.Paint();
        EXPECT_EQ(chart.View(), FakeChart::FullView());
    }
}

TEST(ZoomPanZoom, UnzoomReturnsToTheViewBeforeTheFirstZoomOrPan) {
    struct Case {
        const char* Name;
        std::function<void(FakeChart&)> Change;
    };
    const Case cases[] = {
        {"two zooms",
         [](FakeChart& chart) {
             ZoomIn(chart);
             ZoomIn(chart);
         }},
        {"a pan",
         [](FakeChart& chart) {
             Drag(chart, MouseButton::Right, Centre, {250, 260});
         }},
        {"a pan and a zoom",
         [](FakeChart& chart) {
             Drag(chart, MouseButton::Right, Centre, {250, 260});
             chart.Paint();
             ZoomIn(chart);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        FakeChart chart;
        c.Change(chart);
        chart.Paint();
        ASSERT_NE(chart.View(), FakeChart::FullView());
        Unzoom(chart);
        EXPECT_EQ(chart.View(), FakeChart::FullView());
    }
}

TEST(ZoomPanZoom, UnzoomAtStartUpChangesNothingButRepaints) {
    FakeChart chart;
    Drag(chart, MouseButton::Left, Centre, Offset(Centre, -100, -100));
    EXPECT_EQ(chart.View(), FakeChart::FullView());
    EXPECT_EQ(chart.DeferredRepaints, 1);
}

TEST(ZoomPanZoom, WheelStepZoomAndUnzoomReturnToTheWheelsManualView) {
    FakeChart chart;
    chart.Mouse.Wheel(chart::WheelStep);
    const AxesView wheelView = chart.View();
    ZoomIn(chart);
    Unzoom(chart);

    EXPECT_EQ(chart.View(), wheelView);
    EXPECT_FALSE(chart.AxisAt(AxisSide::Left).Automatic);
    EXPECT_FALSE(chart.AxisAt(AxisSide::Right).Automatic);
    EXPECT_TRUE(chart.AxisAt(AxisSide::Bottom).IsAutomatic());
}

TEST(ZoomPanZoom, RepeatedZoomsStopAtTheNarrowestRange) {
    FakeChart chart;
    for (int zoom = 0; zoom < 30; ++zoom) {
        Drag(chart, MouseButton::Left, Centre, Offset(Centre, 17, 17));
        chart.Paint();
    }
    for (const AxisSide side : chart::AllAxisSides) {
        const chart::AxisView axis = chart.View()[IndexOf(side)];
        SCOPED_TRACE(testing::Message() << "axis " << IndexOf(side) << ": " << axis.Minimum);
        EXPECT_TRUE(fake::KeepsTheNarrowestRange(axis));
        EXPECT_LT(axis.Maximum - axis.Minimum, 2 * chart::MinimumAxisRange); // the floor was reached
    }
}

TEST(ZoomPanPan, RightDragMovesTheCurvesWithThePointer) {
    struct Case {
        int Dx, Dy;
    };
    const Case cases[] = {{-50, 0}, {50, 0}, {0, -50}, {0, 50}, {-30, 40}};
    enum class Steps { One, FiveLaidOutBetween, FiveOnOneLayout };
    for (const Case& c : cases)
        for (const Steps steps : {Steps::One, Steps::FiveLaidOutBetween, Steps::FiveOnOneLayout}) {
            SCOPED_TRACE(testing::Message()
                         << "drag " << c.Dx << ", " << c.Dy << " in steps " << static_cast<int>(steps));
            FakeChart chart;
            const AxesView full = chart.View();
            const Point end = Offset(Centre, c.Dx, c.Dy);
            std::array<double, 4> grabbed; // the value under the press on each axis
            for (const AxisSide side : chart::AllAxisSides) {
                const bool horizontal = side == AxisSide::Bottom || side == AxisSide::Top;
                grabbed[IndexOf(side)] = chart.ValueAt(side, horizontal ? Centre.X : Centre.Y);
            }

            chart.Mouse.Press(MouseButton::Right, Centre);
            const int count = steps == Steps::One ? 1 : 5;
            for (int step = 1; step <= count; ++step) {
                chart.Mouse.Move(Offset(Centre, c.Dx * step / count, c.Dy * step / count));
                if (steps == Steps::FiveLaidOutBetween)
                    chart.Paint();
            }
            chart.Mouse.Release(MouseButton::Right, end);
            EXPECT_GE(chart.DeferredRepaints, 1);
            chart.Paint();

            for (const AxisSide side : chart::AllAxisSides) {
                const std::size_t i = IndexOf(side);
                const bool horizontal = side == AxisSide::Bottom || side == AxisSide::Top;
                const chart::Axis& axis = chart.AxisAt(side);
                EXPECT_NEAR(axis.Scale.PixelOf(grabbed[i]), horizontal ? end.X : end.Y, 1e-9);
                EXPECT_DOUBLE_EQ(axis.Maximum - axis.Minimum, full[i].Maximum - full[i].Minimum);
            }
        }
}

TEST(ZoomPanPan, EndsForGoodWhenThePointerLeavesThePlot) {
    // The plot is (50,30)-(650,380), half-open.
    const Point exits[] = {{650, 200}, {49, 200}, {300, 380}, {300, 29}, {-20, 500}};
    for (const Point exit : exits) {
        SCOPED_TRACE(testing::Message() << "exit at " << exit.X << ", " << exit.Y);
        FakeChart chart;
        chart.Mouse.Press(MouseButton::Right, Centre);
        chart.Mouse.Move({649, 379});
        chart.Paint();
        const AxesView moved = chart.View();
        ASSERT_NE(moved, FakeChart::FullView());
        const int repaints = chart.DeferredRepaints;

        chart.Mouse.Move(exit);
        EXPECT_FALSE(chart.Mouse.PanDrag().Dragging);
        chart.Mouse.Move({320, 220});
        chart.Mouse.Move(Centre);
        chart.Mouse.Release(MouseButton::Right, Centre);
        EXPECT_EQ(chart.View(), moved);
        EXPECT_EQ(chart.DeferredRepaints, repaints);
    }
}

TEST(ZoomPanPan, RightPressOnTheAxisStripOutsideThePlotThenAMoveOutsideEndsThePan) {
    FakeChart chart;
    const Point onStrip{46, 200};
    chart.Mouse.Press(MouseButton::Right, onStrip);
    EXPECT_TRUE(chart.Mouse.PanDrag().Dragging);
    chart.Mouse.Move({45, 210});
    EXPECT_FALSE(chart.Mouse.PanDrag().Dragging);
    EXPECT_EQ(chart.View(), FakeChart::FullView());
    EXPECT_EQ(chart.DeferredRepaints, 0);

    chart.Mouse.Release(MouseButton::Right, {45, 210});
    chart.Mouse.Press(MouseButton::Left, onStrip);
    EXPECT_TRUE(chart.Mouse.ZoomDrag().Dragging);
}

TEST(ZoomPanPress, OnlyCurvesAxisStripsAndThePlotStartADrag) {
    struct Case {
        const char* Name;
        Point Where;
        ChartPart Expected;
        std::function<void(chart::ChartLayout&)> Rearrange = {};
    };
    const auto moveOntoPlot = [](chart::Rect chart::ChartLayout::*part) {
        return [part](chart::ChartLayout& layout) {
            layout.*part = {100, 100, 200, 120};
        };
    };
    const Case cases[] = {
        {"plot", Centre, ChartPart::Plot},
        {"plot beside the strips", {53, 376}, ChartPart::Plot},
        {"curve above the plot", {300, 29}, ChartPart::Curve},
        {"curve inside the plot", {300, 31}, ChartPart::Curve},
        {"left strip, outer end", {44, 200}, ChartPart::Axis},
        {"left strip, inner end", {52, 200}, ChartPart::Axis},
        {"left strip's corner below the plot", {47, 379}, ChartPart::Axis},
        {"bottom strip, inner end", {300, 377}, ChartPart::Axis},
        {"bottom strip, outer end", {300, 385}, ChartPart::Axis},
        {"beside the strips", {49, 380}, ChartPart::None},
        {"title", {350, 20}, ChartPart::Title},
        {"foot", {360, 430}, ChartPart::Foot},
        {"legend", {300, 412}, ChartPart::Legend},
        {"left labels", {38, 200}, ChartPart::None},
        {"left axis title", {25, 200}, ChartPart::None},
        {"left of the left strip", {43, 200}, ChartPart::None},
        {"bottom labels", {300, 390}, ChartPart::None},
        {"below the bottom strip", {300, 386}, ChartPart::None},
        {"bottom axis title", {120, 400}, ChartPart::None},
        {"right of the plot (no right axis)", {650, 200}, ChartPart::None},
        {"between title and curve", {100, 28}, ChartPart::None},
        {"top left margin", {5, 5}, ChartPart::None},
        {"bottom right margin", {720, 450}, ChartPart::None},
        {"outside the chart", {-5, 200}, ChartPart::None},
        {"title over the plot", {150, 110}, ChartPart::Title, moveOntoPlot(&chart::ChartLayout::Title)},
        {"foot over the plot", {150, 110}, ChartPart::Foot, moveOntoPlot(&chart::ChartLayout::Foot)},
        {"legend over the plot", {150, 110}, ChartPart::Plot, moveOntoPlot(&chart::ChartLayout::Legend)},
        {"curve through the title",
         {300, 29},
         ChartPart::Curve,
         [](chart::ChartLayout& layout) {
             layout.Title = {250, 20, 350, 40};
         }},
        {"legend over the bottom strip",
         {300, 383},
         ChartPart::Axis,
         [](chart::ChartLayout& layout) {
             layout.Legend = {250, 370, 350, 400};
         }},
    };
    for (const Case& c : cases)
        for (const MouseButton button : {MouseButton::Left, MouseButton::Right}) {
            SCOPED_TRACE(testing::Message() << c.Name << ", button " << static_cast<int>(button));
            FakeChart chart;
            if (c.Rearrange)
                c.Rearrange(chart.Layout);
            EXPECT_EQ(chart.Mouse.PartAt(c.Where), c.Expected);

            chart.Mouse.Press(button, c.Where);
            const bool starts = c.Expected == ChartPart::Curve || c.Expected == ChartPart::Axis ||
                                c.Expected == ChartPart::Plot;
            EXPECT_EQ(chart.Mouse.ZoomDrag().Dragging, starts && button == MouseButton::Left);
            EXPECT_EQ(chart.Mouse.PanDrag().Dragging, starts && button == MouseButton::Right);
            EXPECT_EQ(chart.Screen.Outlines.size(), starts && button == MouseButton::Left ? 1u : 0u);
            EXPECT_EQ(chart.DeferredRepaints + chart.ImmediateRepaints, 0);
        }
}

TEST(ZoomPanButtons, TheMiddleButtonStartsNothing) {
    FakeChart chart;
    Drag(chart, MouseButton::Middle, Centre, Offset(Centre, 100, 100));
    EXPECT_EQ(chart.View(), FakeChart::FullView());
    EXPECT_EQ(chart.Screen.Drawings, 0);
    EXPECT_EQ(chart.DeferredRepaints, 0);
}

TEST(ZoomPanButtons, OtherButtonsDuringAZoomDragLeaveItRunning) {
    FakeChart chart;
    chart.Mouse.Press(MouseButton::Left, Centre);
    chart.Mouse.Move({350, 250});
    for (const MouseButton other : {MouseButton::Right, MouseButton::Middle}) {
        chart.Mouse.Press(other, {360, 260});
        chart.Mouse.Release(other, {360, 260});
    }
    chart.Mouse.Press(MouseButton::Left, {370, 270});
    EXPECT_TRUE(chart.Mouse.ZoomDrag().Dragging);
    EXPECT_EQ(chart.Mouse.ZoomDrag().StartPoint, Centre);
    EXPECT_FALSE(chart.Mouse.PanDrag().Dragging);
    EXPECT_EQ(chart.Screen.Outlines, std::set{OutlineOf(Centre, {350, 250})});

    chart.Mouse.Release(MouseButton::Left, {400, 300});
    EXPECT_EQ(chart.AxisAt(AxisSide::Bottom).Minimum, chart.ValueAt(AxisSide::Bottom, Centre.X));
    EXPECT_EQ(chart.AxisAt(AxisSide::Bottom).Maximum, chart.ValueAt(AxisSide::Bottom, 400));
}

TEST(ZoomPanButtons, AReleaseOfAnyButtonEndsAPan) {
    for (const MouseButton button : {MouseButton::Left, MouseButton::Right, MouseButton::Middle}) {
        SCOPED_TRACE(testing::Message() << "button " << static_cast<int>(button));
        FakeChart chart;
        chart.Mouse.Press(MouseButton::Right, Centre);
        chart.Mouse.Press(MouseButton::Left, {310, 210});
        EXPECT_FALSE(chart.Mouse.ZoomDrag().Dragging);
        EXPECT_EQ(chart.Screen.Drawings, 0);
        EXPECT_EQ(chart.Mouse.PanDrag().LastPoint, Centre);

        chart.Mouse.Release(button, {310, 210});
        EXPECT_FALSE(chart.Mouse.PanDrag().Dragging);
        chart.Mouse.Move({350, 250});
        EXPECT_EQ(chart.View(), FakeChart::FullView());
    }
}

TEST(ZoomPanLeave, LeavingTheChartEndsAPanButNotAZoom) {
    FakeChart chart;
    chart.Mouse.Press(MouseButton::Right, Centre);
    chart.Mouse.Leave();
    EXPECT_FALSE(chart.Mouse.PanDrag().Dragging);
    chart.Mouse.Move({350, 250});
    EXPECT_EQ(chart.View(), FakeChart::FullView());

    chart.Mouse.Press(MouseButton::Left, Centre);
    chart.Mouse.Leave();
    chart.Mouse.Move({-40, 600});
    EXPECT_TRUE(chart.Mouse.ZoomDrag().Dragging);
    EXPECT_EQ(chart.Screen.Outlines, std::set{OutlineOf(Centre, {-40, 600})});
}

TEST(ZoomOutline, FollowsTheZoomDragWithoutRepaintsAndLeavesNoTrace) {
    FakeChart chart;
    chart.Mouse.Press(MouseButton::Left, Centre);
    EXPECT_EQ(chart.Screen.Outlines, std::set{OutlineOf(Centre, Centre)});

    // Up and left (an unzoom) shows like any other.
    chart.Mouse.Move({250, 150});
    EXPECT_EQ(chart.Screen.Outlines, std::set{OutlineOf(Centre, {250, 150})});
    EXPECT_EQ(chart.Screen.Drawings, 3);
    chart.Mouse.Move({250, 150});
    EXPECT_EQ(chart.Screen.Drawings, 3);
    EXPECT_EQ(chart.DeferredRepaints + chart.ImmediateRepaints, 0);

    // A repaint (the window uncovered, a wheel step) keeps it, and the next move still erases it.
    chart.Paint();
    EXPECT_EQ(chart.Screen.Outlines, std::set{OutlineOf(Centre, {250, 150})});
    chart.Mouse.Wheel(-chart::WheelStep);
    EXPECT_EQ(chart.Screen.Outlines, std::set{OutlineOf(Centre, {250, 150})});
    chart.Mouse.Move({400, 300});
    EXPECT_EQ(chart.Screen.Outlines, std::set{OutlineOf(Centre, {400, 300})});

    chart.Mouse.Release(MouseButton::Left, {410, 310});
    EXPECT_TRUE(chart.Screen.Outlines.empty());
    EXPECT_EQ(chart.Mouse.ZoomDrag().CurrentPoint, (Point{410, 310}));
}

TEST(ZoomOutline, CancellingTheZoomDragErasesItAndChangesNothing) {
    FakeChart chart;
    chart.Mouse.Press(MouseButton::Left, Centre);
    chart.Mouse.Move({400, 300});
    chart.Mouse.CancelZoomDrag();
    EXPECT_FALSE(chart.Mouse.ZoomDrag().Dragging);
    EXPECT_TRUE(chart.Screen.Outlines.empty());

    chart.Mouse.Release(MouseButton::Left, {400, 300});
    chart.Mouse.CancelZoomDrag();
    EXPECT_EQ(chart.View(), FakeChart::FullView());
    EXPECT_EQ(chart.DeferredRepaints, 0);
    EXPECT_EQ(chart.Screen.Drawings, 4);
}

TEST(ZoomOutline, PenIsTheBackgroundWithWhiteTurnedBlack) {
    struct Case {
        chart::Color Background, Pen;
    };
    const Case cases[] = {
        {chart::colors::White, chart::colors::Black},
        {chart::colors::Black, chart::colors::Black},
        {chart::colors::Gray, chart::colors::Gray},
        {{255, 255, 254}, {255, 255, 254}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(chart::ZoomOutlinePen(c.Background), c.Pen);
        FakeChart chart;
        chart.Background = c.Background;
        chart.Mouse.Press(MouseButton::Left, Centre);
        EXPECT_EQ(chart.Screen.Outlines, std::set{OutlineOf(Centre, Centre, c.Pen)});
    }
}

TEST(ZoomPanWheel, OneNotchMovesTheVerticalRangesByThreePercent) {
    struct Case {
        int Rotation;
        double LeftMinimum, LeftMaximum, RightMinimum, RightMaximum;
    };
    // Left -10000..60000 and right 0..700: 3 % are 2100 and 21.
    const Case cases[] = {
        {chart::WheelStep, -12100, 57900, -21, 679}, // away from the user: the curves move up
        {-chart::WheelStep, -7900, 62100, 21, 721},  // towards the user: they move down
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "rotation " << c.Rotation);
        FakeChart chart;
        chart.Mouse.Wheel(c.Rotation);
        const chart::Axis& left = chart.AxisAt(AxisSide::Left);
        const chart::Axis& right = chart.AxisAt(AxisSide::Right);
        EXPECT_DOUBLE_EQ(left.Minimum, c.LeftMinimum);
        EXPECT_DOUBLE_EQ(left.Maximum, c.LeftMaximum);
        EXPECT_DOUBLE_EQ(right.Minimum, c.RightMinimum);
        EXPECT_DOUBLE_EQ(right.Maximum, c.RightMaximum);
        EXPECT_FALSE(left.Automatic || left.AutomaticMinimum || left.AutomaticMaximum);
        for (const AxisSide side : {AxisSide::Bottom, AxisSide::Top})
            EXPECT_EQ(chart.View()[IndexOf(side)], FakeChart::FullView()[IndexOf(side)]);
        EXPECT_FALSE(chart.Mouse.HasSavedView());
        EXPECT_EQ(chart.ImmediateRepaints, 1);
        EXPECT_EQ(chart.DeferredRepaints, 0);
    }
}

TEST(ZoomPanWheel, StepsOncePerNotchOfSummedRotation) {
    struct Case {
        std::vector<int> Rotations;
        int Steps; // up positive
    };
    const Case cases[] = {
        {{120}, 1},       {{-120}, -1},     {{40, 40, 40}, 1},       {{119}, 0},
        {{119, 1}, 1},    {{240}, 2},       {{-100, -100}, -1},      {{100, -100, 119}, 0},
        {{-119, 238}, 0}, {{-119, 239}, 1}, {{-100, -100, -40}, -2}, {{360, -1}, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case with " << c.Steps << " steps");
        FakeChart chart;
        for (const int rotation : c.Rotations)
            chart.Mouse.Wheel(rotation);
        EXPECT_EQ(chart.ImmediateRepaints, std::abs(c.Steps));
        EXPECT_NEAR(chart.AxisAt(AxisSide::Left).Minimum, -10000 - 2100 * c.Steps, 1e-6);
    }
}

TEST(AxisStrip, ReachesFromTheTickBandToThreePixelsInsideThePlot) {
    const chart::Rect plot{50, 30, 650, 380};
    struct Case {
        AxisSide Side;
        chart::Rect Expected;
    };
    const Case cases[] = {
        {AxisSide::Bottom, {50, 377, 650, 386}},
        {AxisSide::Top, {50, 24, 650, 33}},
        {AxisSide::Left, {44, 30, 53, 380}},
        {AxisSide::Right, {647, 30, 656, 380}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(chart::AxisStrip(plot, c.Side, 6), c.Expected) << "side " << IndexOf(c.Side);
}

} // namespace
