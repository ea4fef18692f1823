#pragma once

#include <vector>

namespace chart {

// A range that holds this many label increments or more shows no labels, ticks or grid lines.
inline constexpr double MaxLabelSteps = 10000;

// How many labels fit along an axis: its length over the label size plus the labels' 10 % gap, rounded.
// Example: 600 px with 25-px labels: 25 + 25 * 10 / 100 = 27, round(600 / 27) = 22.
int LabelsThatFit(int axisLength, int labelSize);

// The smallest step of 1, 2, 5, 10, 20, 50, ... (for a range below 1 also 0.5, 0.2, 0.1, 0.05, ...) with
// round(range / step) <= labelsThatFit. Example: the range 2590 with 22 labels takes 200, since
// round(2590 / 100) = 26 and round(2590 / 200) = 13. 0 (no labels) when not one label fits.
double LabelIncrement(double range, int labelsThatFit);

// The multiples of the increment from minimum to maximum, both ends included; none for an increment of
// 0 or for MaxLabelSteps and more increments.
std::vector<double> LabelValues(double minimum, double maximum, double increment);

// The minor tick values: three between neighbouring labels at quarter spacing, and three more beyond
// each outermost label, as far as they stay within minimum..maximum. The labels are LabelValues'.
std::vector<double> MinorTickValues(double minimum, double maximum, double increment,
                                    const std::vector<double>& labels);

} // namespace chart
