#pragma once

#include "Axis.h"
#include "Canvas.h"
#include "Color.h"
#include "Curve.h"
#include "Geometry.h"

#include <string>
#include <vector>

namespace chart {

class Chart;

// A text and where it is drawn: Origin is the top left corner of unturned text (see TextDirection).
struct PlacedText {
    std::string Text;
    Point Origin;
    Font TextFont;
    TextDirection Direction = TextDirection::Horizontal;
};

// A value label of an axis; Position is the value's pixel along the axis (x or y).
struct AxisLabel {
    double Value = 0;
    int Position = 0;
    PlacedText Text;
};

// Where an axis lies in the latest layout. The axis line runs along the plot's edge, outside it; its
// ticks reach TickBandDepth pixels outwards from that edge (axis line width + tick length). A hidden
// axis gets only its scale.
struct AxisPlacement {
    bool Visible = false;
    int TickBandDepth = 0;
    AxisScale Scale;
    double Increment = 0; // 0: no labels, ticks or grid lines
    std::vector<AxisLabel> Labels;
    std::vector<int> MinorTicks; // pixel positions along the axis
    PlacedText Caption;
};

// One legend entry: the colour symbol (a line in the series' pen, centred on the text's height) and
// the series' title.
struct LegendEntry {
    Point SymbolFrom;
    Point SymbolTo;
    Pen SymbolPen;
    PlacedText Label;
};

// The desktop's 3D colours for the chart's raised edge; the host sets the system's.
struct EdgeColours {
    Color Highlight = colors::White;
    Color Shadow = colors::Gray;
    friend bool operator==(const EdgeColours&, const EdgeColours&) = default;
};

// The result of one layout pass, in chart coordinates: everything Render draws. Rectangles of parts
// that are not drawn (a hidden foot, a legend with no room) are empty.
struct ChartLayout {
    Size ClientSize;
    Rect Area;    // the chart's own rectangle: (0, 0) to ClientSize on screen, the page's part on paper
    Rect Working; // Area less the margins, before title, foot and legend take their room
    EdgeColours Edge;
    Rect Title; // the title's white box
    PlacedText TitleText;
    Rect Foot;
    PlacedText FootText;
    Rect Legend;
    std::vector<LegendEntry> LegendEntries;
    Rect Plot;      // its edge pixels carry the frame
    Rect CurveClip; // the inside of the plot frame
    AxisPlacement Bottom;
    AxisPlacement Left;
    AxisPlacement Top;             // hidden: scale only
    AxisPlacement Right;           // hidden: scale only
    std::vector<CurvePath> Curves; // in series order; later ones lie on top
};

// Lays the chart out in the area, measuring texts on the canvas. Pure: the chart is not changed.
ChartLayout LayOutChart(Canvas& measure, Rect area, const Chart& chart);

} // namespace chart
