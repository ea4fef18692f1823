#pragma once

#include "Axis.h"
#include "Series.h"

#include <optional>
#include <span>

namespace chart {

struct ValueRange {
    double Minimum = 0;
    double Maximum = 0;
    friend bool operator==(const ValueRange&, const ValueRange&) = default;
};

// The smallest and largest X (horizontal) or Y (vertical) value of all points; none without points.
std::optional<ValueRange> DataExtent(std::span<const Series> series, AxisOrientation orientation);

// The range an axis is drawn with: its automatic ends taken from the data without margin, the others
// as set. An axis without data keeps its range.
ValueRange DrawnRange(const Axis& axis, const std::optional<ValueRange>& data);

} // namespace chart
