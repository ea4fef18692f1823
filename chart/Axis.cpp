#include "Axis.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace chart {

double AxisScale::ValueAt(int pixel) const {
    if (Length < 1)
        return 0;
    const double range = Maximum - Minimum;
    const double offset = static_cast<double>(pixel - FirstPixel) * range / Length;
    return Orientation == AxisOrientation::Horizontal ? Minimum + offset : Maximum - offset;
}

double AxisScale::PixelOf(double value) const {
    const double range = Maximum - Minimum;
    if (range == 0)
        return FirstPixel + Length / 2.0;
    const double fraction = (value - Minimum) / range;
    return Orientation == AxisOrientation::Horizontal ? FirstPixel + fraction * Length
                                                      : FirstPixel + (1 - fraction) * Length;
}

bool SetAxisRange(Axis& axis, double a, double b) {
    axis.Automatic = axis.AutomaticMinimum = axis.AutomaticMaximum = false;
    if (a > b)
        std::swap(a, b);
    const bool changed = axis.Minimum != a || axis.Maximum != b;
    axis.Minimum = a;
    axis.Maximum = b;
    // Far from zero Minimum + 1e-10 may round back to Minimum: then the next representable value gives the
    // narrowest range that still has a width.
    if (axis.Maximum - axis.Minimum < MinimumAxisRange)
        axis.Maximum = std::max(axis.Minimum + MinimumAxisRange, std::nextafter(axis.Minimum, HUGE_VAL));
    return changed;
}

} // namespace chart
