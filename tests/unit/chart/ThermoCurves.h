#pragma once

#include "chart/Chart.h"

#include "ThermoExpand.h"

#include <array>

namespace chart::testing {

struct ThermoType {
    const char* Title;
    Color Colour;
};

// The nine series by type index, as the window names and colours them.
inline constexpr std::array<ThermoType, ThermocoupleCount> ThermoTypes{{
    {"K", colors::Red},
    {"S", colors::Green},
    {"J", colors::Yellow},
    {"N", colors::Blue},
    {"T", colors::Lime},
    {"E", colors::Gray},
    {"R", colors::Fuchsia},
    {"B", colors::Teal},
    {"C", colors::Navy},
}};

// Fills the chart as the window does: the reference tables' points, one type after the other, K to C.
// Full view: -270..2320 °C (K from -270, C to 2320) by -9835..76373 µV (both ends of E).
inline void AddThermoCurves(Chart& chart) {
    for (int type = 0; type < ThermocoupleCount; ++type) {
        Series& series = chart.AddSeries(ThermoTypes[type].Title, ThermoTypes[type].Colour);
        for (const TThermoPoint& point : ExpandThermocouple(type))
            series.AddXY(point.Temperature, point.Emf);
    }
}

} // namespace chart::testing
