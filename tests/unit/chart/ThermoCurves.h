#pragma once

#include "chart/Chart.h"

#include <array>

namespace chart::testing {

// Stand-ins for the nine reference curves until the thermocouple tables are on this branch: each type
// with its series title and colour, its point count and its first and last point (°C, µV) as in the
// tables, joined by a smooth rising curve. The extremes are the tables': K from (-270, -6458), E from
// (-270, -9835) to (1000, 76373), C to (2320, 37107); full view -270..2320 by -9835..76373.
struct CurveSketch {
    const char* Title;
    Color Colour;
    int PointCount;
    PointF First;
    PointF Last;
};

inline constexpr std::array<CurveSketch, 9> ThermoCurveSketches{{
    {"K", colors::Red, 165, {-270, -6458}, {1370, 54819}},
    {"S", colors::Green, 183, {-50, -236}, {1770, 18714}},
    {"J", colors::Yellow, 143, {-210, -8095}, {1200, 69553}},
    {"N", colors::Blue, 158, {-270, -4345}, {1300, 47513}},
    {"T", colors::Lime, 68, {-270, -6258}, {400, 20872}},
    {"E", colors::Gray, 129, {-270, -9835}, {1000, 76373}},
    {"R", colors::Fuchsia, 183, {-50, -226}, {1770, 21125}},
    {"B", colors::Teal, 178, {50, 2}, {1820, 13820}},
    {"C", colors::Navy, 133, {1000, 18257}, {2320, 37107}},
}};

// Adds the nine series in type order K..C, as the window fills them.
inline void AddThermoCurves(Chart& chart) {
    for (const CurveSketch& sketch : ThermoCurveSketches) {
        Series& series = chart.AddSeries(sketch.Title, sketch.Colour);
        const int last = sketch.PointCount - 1;
        for (int i = 0; i <= last; ++i) {
            const double u = static_cast<double>(i) / last;
            // Rising throughout and bowed like a thermocouple's curve: the slope is 1.2 at u = 0, 0.8 at 1.
            const double rise = u + 0.2 * u * (1 - u);
            series.AddXY(sketch.First.X + u * (sketch.Last.X - sketch.First.X),
                         sketch.First.Y + rise * (sketch.Last.Y - sketch.First.Y));
        }
    }
}

} // namespace chart::testing
