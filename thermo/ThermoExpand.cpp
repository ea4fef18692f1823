#include "ThermoExpand.h"

namespace {

void AppendSegment(const TThermoSegment& segment, std::vector<TThermoPoint>& points) {
    // Tenths of °C to whole °C; e.g. FirstTemp -2700 gives t = -270 at index 0.
    for (int t = segment.FirstTemp / 10; t <= segment.LastTemp / 10; t += 10) {
        const int index = t / 10 - segment.FirstTemp / 100;
        points.push_back({t, segment.Values[index] - segment.Bias});
    }
}

} // namespace

std::vector<TThermoPoint>
ExpandThermocouple(int typeIndex, std::span<const TThermoSegment, ThermocoupleCount> primary,
                   std::span<const TThermoSegment, ThermocoupleCount> continuation) {
    std::vector<TThermoPoint> points;
    if (typeIndex < 0 || typeIndex >= ThermocoupleCount) {
        return points;
    }
    AppendSegment(primary[typeIndex], points);
    if ((primary[typeIndex].Flags & HasContinuation) != 0) {
        AppendSegment(continuation[typeIndex], points);
    }
    return points;
}

std::vector<TThermoPoint> ExpandThermocouple(int typeIndex) {
    return ExpandThermocouple(typeIndex, PrimarySegments, ContinuationSegments);
}
