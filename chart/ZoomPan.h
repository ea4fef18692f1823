#pragma once

#include "Axis.h"
#include "Canvas.h"
#include "Color.h"
#include "Geometry.h"
#include "Layout.h"

#include <array>
#include <cstddef>
#include <functional>

namespace chart {

// The gesture constants. The narrowest range a zoom can reach is MinimumAxisRange (Axis.h), kept by
// SetAxisRange.
inline constexpr int LargestIgnoredDrag = 16;       // px: a zoom drag must be longer both ways
inline constexpr int AxisStripReach = 3;            // px that an axis strip reaches into the plot
inline constexpr int WheelStep = 120;               // units of wheel rotation per step: one notch
inline constexpr double WheelScrollFraction = 0.03; // of a vertical range, moved by one wheel step

// In the order in which a press tries the axes' strips.
enum class AxisSide { Bottom, Top, Left, Right };
inline constexpr std::array AllAxisSides{AxisSide::Bottom, AxisSide::Top, AxisSide::Left, AxisSide::Right};

enum class MouseButton { Left, Right, Middle };

// The part of the chart under a press. Only a curve, an axis strip and the plot start a drag.
enum class ChartPart { None, Curve, Axis, Title, Foot, Plot, Legend };

// Which way a wheel step moves the curves on the screen.
enum class ScrollDirection { Up, Down };

// What an unzoom gives back to one axis.
struct AxisView {
    bool Automatic = true;
    bool AutomaticMinimum = true;
    bool AutomaticMaximum = true;
    double Minimum = 0;
    double Maximum = 0;
    friend bool operator==(const AxisView&, const AxisView&) = default;
};
AxisView ViewOf(const Axis& axis);

// Indexed by AxisSide.
using AxesView = std::array<AxisView, AllAxisSides.size()>;
inline std::size_t IndexOf(AxisSide side) {
    return static_cast<std::size_t>(side);
}

struct ZoomDragState {
    bool Dragging = false;
    Point StartPoint;   // the press
    Point CurrentPoint; // the latest pointer position
    friend bool operator==(const ZoomDragState&, const ZoomDragState&) = default;
};

struct PanDragState {
    bool Dragging = false;
    Point LastPoint; // where the view was last moved
    friend bool operator==(const PanDragState&, const PanDragState&) = default;
};

// The area in which a press counts as one on the axis: along the axis the plot's extent, across it from
// the outer end of the tick band to AxisStripReach pixels inside the plot. The bottom strip is
// left <= x < right, bottom - 3 <= y < bottom + tickBandDepth.
Rect AxisStrip(const Rect& plot, AxisSide side, int tickBandDepth);

// The zoom outline's pen: the chart's background colour, except that white becomes black.
Color ZoomOutlinePen(Color background);

// What the mouse handling needs of the chart it works on.
class ZoomPanHost {
public:
    virtual ~ZoomPanHost() = default;

    // The chart's four axes; their Scale is that of the latest layout.
    virtual Axis& AxisAt(AxisSide side) = 0;
    virtual const ChartLayout& LastLayout() const = 0;
    // Whether a point lies on the drawn line of an active series.
    virtual bool HitsCurve(Point point) const = 0;
    virtual Color BackgroundColor() const = 0;

    // The picture is out of date; the window system repaints it when it gets round to it.
    virtual void RequestRepaint() = 0;
    // Lays the chart out and redraws it before returning.
    virtual void RepaintNow() = 0;
    // Calls draw with a canvas straight onto the chart's window, over the picture already there.
    virtual void DrawOnWindow(const std::function<void(Canvas&)>& draw) = 0;
};

// Zooming with the left button, panning with the right and scrolling the vertical ranges with the wheel,
// all worked out on the host's latest layout. Idle, zooming or panning: at most one drag at a time.
// Points are chart coordinates; while the left button is held they may lie outside the chart.
// Shift, Ctrl and Alt change nothing, so they are not taken.
class ZoomPan {
public:
    explicit ZoomPan(ZoomPanHost& host) : m_host(host) {}
    ZoomPan(const ZoomPan&) = delete;
    ZoomPan& operator=(const ZoomPan&) = delete;

    // Mouse input; a double click's second press comes as an ordinary Press.
    void Press(MouseButton button, Point point);
    void Move(Point point);
    void Release(MouseButton button, Point point);
    // Signed rotation, WheelStep per notch, positive when turned away from the user.
    void Wheel(int rotation);
    // The pointer left the chart (moving onto a control that lies on it counts).
    void Leave();
    // The system took the mouse away: a zoom drag ends without a change.
    void CancelZoomDrag();

    // The paint's very last step: redraws the zoom outline while a zoom drag runs. It belongs on the
    // picture as it reaches the screen, never into a kept bitmap that may be copied out again later.
    void PaintZoomOutline(Canvas& canvas) const;

    ChartPart PartAt(Point point) const;

    // Sets the four axes to the values at the rectangle's edges on their latest scales; deferred repaint.
    void ZoomToRectangle(int left, int top, int right, int bottom);
    // Gives the axes back their SavedView, if there is one; deferred repaint.
    void Unzoom();
    // Moves the vertical ranges by WheelScrollFraction of their width; immediate repaint.
    void WheelScroll(ScrollDirection direction);

    const ZoomDragState& ZoomDrag() const { return m_zoomDrag; }
    const PanDragState& PanDrag() const { return m_panDrag; }
    bool HasSavedView() const { return m_hasSavedView; }
    // The view before the first zoom or pan step since start-up or the last unzoom; valid while HasSavedView.
    const AxesView& SavedView() const { return m_savedView; }

private:
    void FollowZoomDrag(Point point);
    void EndZoomDrag(Point point);
    void StopZoomDrag();
    void PanStep(Point point);
    void SaveViewBeforeFirstChange();
    void DrawOutlineTo(Canvas& canvas, Point corner) const;

    ZoomPanHost& m_host;
    ZoomDragState m_zoomDrag;
    PanDragState m_panDrag;
    bool m_hasSavedView = false;
    AxesView m_savedView;
    int m_wheelRotation = 0; // not yet stepped, |m_wheelRotation| < WheelStep
};

} // namespace chart
