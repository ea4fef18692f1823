#include "Ticks.h"

#include "Style.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace chart {

namespace {

// The steps 1, 2, 5 x 10^Exponent, walked upwards.
struct Step {
    int Mantissa = 1; // 1, 2 or 5
    int Exponent = 0;

    // Negative powers divide, so that 0.1 is the double nearest to a tenth.
    double Value() const {
        double power = 1;
        for (int i = 0; i < std::abs(Exponent); ++i)
            power *= 10;
        return Exponent < 0 ? Mantissa / power : Mantissa * power;
    }
    Step Next() const {
        if (Mantissa == 1)
            return {2, Exponent};
        if (Mantissa == 2)
            return {5, Exponent};
        return {1, Exponent + 1};
    }
};

// A value counts as within minimum..maximum with this slack, so that a label exactly on an end
// survives the rounding of multiple * step (3 * 0.1 is 0.30000000000000004). Far from 0 the slack grows
// to the doubles' own spacing there, where a range of 1e-10 spans only a few representable values.
double EndSlack(double minimum, double maximum, double step) {
    return 1e-9 * step +
           2 * std::numeric_limits<double>::epsilon() * std::fmax(std::fabs(minimum), std::fabs(maximum));
}

// Adds a value of an ascending series if it lies within minimum..maximum give or take the slack; one
// within the slack of an end counts as that end. Where the range spans only a few doubles (1e-10 at
// 20000 spans some 27), neighbouring multiples round to the same double, or to one a few doubles
// beyond an end: so only a value above the last one kept is added, and never outside the range, where
// its label or tick would stand beyond the axis line.
void KeepWithin(std::vector<double>& values, double value, double minimum, double maximum, double slack) {
    if (value < minimum - slack || value > maximum + slack)
        return;
    value = std::clamp(value, minimum, maximum);
    if (values.empty() || value > values.back())
        values.push_back(value);
}

} // namespace

int LabelsThatFit(int axisLength, int labelSize) {
    const int spacing = labelSize + labelSize * style::LabelsSeparationPercent / 100;
    if (spacing <= 0 || axisLength <= 0)
        return 0;
    return static_cast<int>(std::lround(static_cast<double>(axisLength) / spacing));
}

double LabelIncrement(double range, int labelsThatFit) {
    if (labelsThatFit < 1 || !std::isfinite(range))
        return 0;
    if (range <= 0)
        return 1;
    // Below 1, start a decade under the smallest possible step: range / step < labelsThatFit + 1/2.
    Step step;
    if (range < 1)
        step.Exponent = static_cast<int>(std::floor(std::log10(range / (labelsThatFit + 1)))) - 1;
    while (std::round(range / step.Value()) > labelsThatFit)
        step = step.Next();
    return step.Value();
}

std::vector<double> LabelValues(double minimum, double maximum, double increment) {
    if (!(increment > 0) || !std::isfinite(minimum) || !std::isfinite(maximum) ||
        (maximum - minimum) / increment >= MaxLabelSteps)
        return {};
    const double slack = EndSlack(minimum, maximum, increment);
    // Candidates reach one multiple beyond each end, as minimum / increment is rounded too. An integer
    // count: far from 0 the multiples' indices pass 2^53, where ++ on a double stalls.
    const double first = std::ceil(minimum / increment) - 1;
    const auto count = static_cast<long long>(std::floor(maximum / increment) - first) + 2;
    std::vector<double> values;
    for (long long i = 0; i < count; ++i) {
        const double multiple = first + static_cast<double>(i);
        KeepWithin(values, multiple == 0 ? 0.0 : multiple * increment, minimum, maximum, slack);
    }
    return values;
}

std::vector<double> MinorTickValues(double minimum, double maximum, double increment,
                                    const std::vector<double>& labels) {
    if (labels.empty())
        return {};
    constexpr int perStep = style::MinorTicksBetweenLabels + 1;
    const double spacing = increment / perStep;
    const double slack = EndSlack(minimum, maximum, spacing);
    const int lastIndex = static_cast<int>(labels.size() - 1) * perStep + style::MinorTicksBetweenLabels;
    std::vector<double> values;
    for (int i = -style::MinorTicksBetweenLabels; i <= lastIndex; ++i) {
        if (i % perStep == 0)
            continue;
        KeepWithin(values, labels.front() + i * spacing, minimum, maximum, slack);
    }
    return values;
}

} // namespace chart
