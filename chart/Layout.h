#pragma once

#include "Axis.h"
#include "Geometry.h"

namespace chart {

// Where a visible axis lies in the latest layout. The axis line runs along the plot's edge; its ticks
// reach TickBandDepth pixels outwards from that edge (axis line width + tick length).
struct AxisPlacement {
    bool Visible = false;
    int TickBandDepth = 0;
};

// The result of the latest layout pass, in chart coordinates. Rectangles of parts that are not drawn
// (a hidden foot, a legend with no room) are empty.
struct ChartLayout {
    Size ClientSize;
    Rect Title;
    Rect Foot;
    Rect Legend;
    Rect Plot;
    AxisPlacement Bottom;
    AxisPlacement Left;
};

} // namespace chart
