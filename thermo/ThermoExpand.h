#pragma once

#include "ThermoTables.h"

#include <span>
#include <vector>

// One point of a reference curve: temperature in whole °C, EMF in µV.
struct TThermoPoint {
    int Temperature;
    int Emf;

    friend bool operator==(const TThermoPoint&, const TThermoPoint&) = default;
};

// Points of one type every 10 °C in ascending temperature: its primary segment, then, if the
// primary has HasContinuation, its continuation segment. The joint temperature appears twice.
// Returns no points for a typeIndex outside 0..ThermocoupleCount-1.
std::vector<TThermoPoint> ExpandThermocouple(int typeIndex);

// The same from the given tables; ExpandThermocouple(i) uses PrimarySegments and
// ContinuationSegments.
std::vector<TThermoPoint> ExpandThermocouple(int typeIndex,
                                             std::span<const TThermoSegment, ThermocoupleCount> primary,
                                             std::span<const TThermoSegment, ThermocoupleCount> continuation);
