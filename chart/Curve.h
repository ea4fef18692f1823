#pragma once

#include "Axis.h"
#include "Canvas.h"
#include "Geometry.h"
#include "Series.h"

#include <vector>

namespace chart {

// The drawn line of one series in chart pixels: one or more polylines (a curve that leaves the plot and
// comes back is broken where it is outside). Drawn under a clip to the inside of the plot frame.
struct CurvePath {
    Pen Line;
    std::vector<std::vector<Point>> Runs;
};

// The series' line on the given scales: from its first point at or right of the horizontal minimum to
// its first point at or right of the maximum, starting at the minimum by linear interpolation when
// earlier points exist; segments whose ends share a pixel are skipped. Segments are clipped in double
// precision to a little more than the clip rectangle, so the pixels fit in int at any zoom and the
// canvas' own clip trims the line's ends exactly.
CurvePath TraceCurve(const Series& series, const AxisScale& horizontal, const AxisScale& vertical,
                     const Rect& clip);

// Whether a point lies on the drawn line: inside the clip and within the pen's half width (plus a pixel
// of slack) of a segment.
bool CurveHits(const CurvePath& curve, const Rect& clip, Point point);

} // namespace chart
