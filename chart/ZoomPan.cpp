#include "ZoomPan.h"

#include <cstdlib>

namespace chart {

namespace {

constexpr std::array HorizontalSides{AxisSide::Bottom, AxisSide::Top};
constexpr std::array VerticalSides{AxisSide::Left, AxisSide::Right};

// The layout places only the bottom and the left axis: the top and the right one are hidden in this
// chart, so they have no strip.
AxisPlacement PlacementOf(const ChartLayout& layout, AxisSide side) {
    switch (side) {
    case AxisSide::Bottom:
        return layout.Bottom;
    case AxisSide::Left:
        return layout.Left;
    case AxisSide::Top:
    case AxisSide::Right:
        break;
    }
    return {};
}

bool StartsDrag(ChartPart part) {
    return part == ChartPart::Curve || part == ChartPart::Axis || part == ChartPart::Plot;
}

// Returns whether the range changed.
bool MoveRange(Axis& axis, double offset) {
    return SetAxisRange(axis, axis.Minimum + offset, axis.Maximum + offset);
}

} // namespace

AxisView ViewOf(const Axis& axis) {
    return {axis.Automatic, axis.AutomaticMinimum, axis.AutomaticMaximum, axis.Minimum, axis.Maximum};
}

Rect AxisStrip(const Rect& plot, AxisSide side, int tickBandDepth) {
    switch (side) {
    case AxisSide::Bottom:
        return {plot.Left, plot.Bottom - AxisStripReach, plot.Right, plot.Bottom + tickBandDepth};
    case AxisSide::Top:
        return {plot.Left, plot.Top - tickBandDepth, plot.Right, plot.Top + AxisStripReach};
    case AxisSide::Left:
        return {plot.Left - tickBandDepth, plot.Top, plot.Left + AxisStripReach, plot.Bottom};
    case AxisSide::Right:
        return {plot.Right - AxisStripReach, plot.Top, plot.Right + tickBandDepth, plot.Bottom};
    }
    return {};
}

Color ZoomOutlinePen(Color background) {
    return background == colors::White ? colors::Black : background;
}

// The first match counts; so a point of the legend that lies in the plot is the plot.
ChartPart ZoomPan::PartAt(Point point) const {
    if (m_host.HitsCurve(point))
        return ChartPart::Curve;
    const ChartLayout& layout = m_host.LastLayout();
    for (const AxisSide side : AllAxisSides) {
        const AxisPlacement placement = PlacementOf(layout, side);
        if (placement.Visible && AxisStrip(layout.Plot, side, placement.TickBandDepth).Contains(point))
            return ChartPart::Axis;
    }
    if (layout.Title.Contains(point))
        return ChartPart::Title;
    if (layout.Foot.Contains(point))
        return ChartPart::Foot;
    if (layout.Plot.Contains(point))
        return ChartPart::Plot;
    if (layout.Legend.Contains(point))
        return ChartPart::Legend;
    return ChartPart::None;
}

void ZoomPan::Press(MouseButton button, Point point) {
    if (m_zoomDrag.Dragging || m_panDrag.Dragging || button == MouseButton::Middle)
        return;
    if (!StartsDrag(PartAt(point)))
        return;
    if (button == MouseButton::Left) {
        m_zoomDrag = {true, point, point};
        m_host.DrawOnWindow([this, point](Canvas& window) { DrawOutlineTo(window, point); });
    } else {
        m_panDrag = {true, point};
    }
}

void ZoomPan::Move(Point point) {
    if (m_zoomDrag.Dragging)
        FollowZoomDrag(point);
    else if (m_panDrag.Dragging)
        PanStep(point);
}

void ZoomPan::Release(MouseButton button, Point point) {
    m_panDrag.Dragging = false;
    if (button == MouseButton::Left && m_zoomDrag.Dragging)
        EndZoomDrag(point);
}

void ZoomPan::Wheel(int rotation) {
    m_wheelRotation += rotation;
    while (std::abs(m_wheelRotation) >= WheelStep) {
        // Turned towards the user (negative) the curves move down.
        const bool down = m_wheelRotation < 0;
        m_wheelRotation += down ? WheelStep : -WheelStep;
        WheelScroll(down ? ScrollDirection::Down : ScrollDirection::Up);
    }
}

void ZoomPan::Leave() {
    m_panDrag.Dragging = false;
}

void ZoomPan::CancelZoomDrag() {
    if (m_zoomDrag.Dragging)
        StopZoomDrag();
}

void ZoomPan::PaintZoomOutline(Canvas& canvas) const {
    if (m_zoomDrag.Dragging)
        DrawOutlineTo(canvas, m_zoomDrag.CurrentPoint);
}

void ZoomPan::ZoomToRectangle(int left, int top, int right, int bottom) {
    SaveViewBeforeFirstChange();
    for (const AxisSide side : HorizontalSides) {
        Axis& axis = m_host.AxisAt(side);
        SetAxisRange(axis, axis.Scale.ValueAt(left), axis.Scale.ValueAt(right));
    }
    for (const AxisSide side : VerticalSides) {
        Axis& axis = m_host.AxisAt(side);
        SetAxisRange(axis, axis.Scale.ValueAt(bottom), axis.Scale.ValueAt(top));
    }
    m_host.RequestRepaint();
}

// An automatic axis keeps its present range until the next layout takes it from the data again.
void ZoomPan::Unzoom() {
    if (m_hasSavedView) {
        for (const AxisSide side : AllAxisSides) {
            Axis& axis = m_host.AxisAt(side);
            const AxisView& saved = m_savedView[IndexOf(side)];
            axis.Automatic = saved.Automatic;
            axis.AutomaticMinimum = saved.AutomaticMinimum;
            axis.AutomaticMaximum = saved.AutomaticMaximum;
            if (!axis.IsAutomatic())
                SetAxisRange(axis, saved.Minimum, saved.Maximum);
        }
    }
    m_hasSavedView = false;
    m_host.RequestRepaint();
}

void ZoomPan::WheelScroll(ScrollDirection direction) {
    for (const AxisSide side : VerticalSides) {
        Axis& axis = m_host.AxisAt(side);
        const double step = WheelScrollFraction * (axis.Maximum - axis.Minimum);
        MoveRange(axis, direction == ScrollDirection::Down ? step : -step);
    }
    m_host.RepaintNow();
}

// Two outline drawings and no repaint: the first erases the outline at its old corners.
void ZoomPan::FollowZoomDrag(Point point) {
    const Point old = m_zoomDrag.CurrentPoint;
    if (point == old)
        return;
    m_zoomDrag.CurrentPoint = point;
    m_host.DrawOnWindow([this, old, point](Canvas& window) {
        DrawOutlineTo(window, old);
        DrawOutlineTo(window, point);
    });
}

// Right of and below the press zooms into the rectangle; any other way unzooms.
void ZoomPan::EndZoomDrag(Point point) {
    StopZoomDrag();
    m_zoomDrag.CurrentPoint = point;

    const Point start = m_zoomDrag.StartPoint;
    const int dx = point.X - start.X;
    const int dy = point.Y - start.Y;
    if (std::abs(dx) <= LargestIgnoredDrag || std::abs(dy) <= LargestIgnoredDrag)
        return;
    if (dx > 0 && dy > 0)
        ZoomToRectangle(start.X, start.Y, point.X, point.Y);
    else
        Unzoom();
}

// Drawing the outline once more erases it.
void ZoomPan::StopZoomDrag() {
    m_zoomDrag.Dragging = false;
    const Point corner = m_zoomDrag.CurrentPoint;
    m_host.DrawOnWindow([this, corner](Canvas& window) { DrawOutlineTo(window, corner); });
}

// The value under the pointer when the step begins is under it again afterwards, on the latest scales.
void ZoomPan::PanStep(Point point) {
    if (!m_host.LastLayout().Plot.Contains(point)) {
        m_panDrag.Dragging = false;
        return;
    }
    const Point last = m_panDrag.LastPoint;
    if (point == last)
        return;
    SaveViewBeforeFirstChange();
    bool moved = false;
    if (point.X != last.X)
        for (const AxisSide side : HorizontalSides) {
            Axis& axis = m_host.AxisAt(side);
            moved |= MoveRange(axis, axis.Scale.ValueAt(last.X) - axis.Scale.ValueAt(point.X));
        }
    if (point.Y != last.Y)
        for (const AxisSide side : VerticalSides) {
            Axis& axis = m_host.AxisAt(side);
            moved |= MoveRange(axis, axis.Scale.ValueAt(last.Y) - axis.Scale.ValueAt(point.Y));
        }
    m_panDrag.LastPoint = point;
    if (moved)
        m_host.RequestRepaint();
}

void ZoomPan::SaveViewBeforeFirstChange() {
    if (m_hasSavedView)
        return;
    for (const AxisSide side : AllAxisSides)
        m_savedView[IndexOf(side)] = ViewOf(m_host.AxisAt(side));
    m_hasSavedView = true;
}

void ZoomPan::DrawOutlineTo(Canvas& canvas, Point corner) const {
    canvas.NotXorOutline(m_zoomDrag.StartPoint, corner, ZoomOutlinePen(m_host.BackgroundColor()));
}

} // namespace chart
