#include "AutoRange.h"

#include <algorithm>

namespace chart {

std::optional<ValueRange> DataExtent(std::span<const Series> series, AxisOrientation orientation) {
    std::optional<ValueRange> extent;
    for (const Series& s : series)
        for (const PointF& point : s.Points) {
            const double value = orientation == AxisOrientation::Horizontal ? point.X : point.Y;
            if (!extent)
                extent = ValueRange{value, value};
            extent->Minimum = std::min(extent->Minimum, value);
            extent->Maximum = std::max(extent->Maximum, value);
        }
    return extent;
}

ValueRange DrawnRange(const Axis& axis, const std::optional<ValueRange>& data) {
    ValueRange range{axis.Minimum, axis.Maximum};
    if (!data)
        return range;
    if (axis.Automatic || axis.AutomaticMinimum)
        range.Minimum = data->Minimum;
    if (axis.Automatic || axis.AutomaticMaximum)
        range.Maximum = data->Maximum;
    return range;
}

} // namespace chart
