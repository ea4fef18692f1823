#pragma once

#include <string>

namespace chart {

// The user's regional separators, UTF-8. The defaults are the Czech ones: a no-break space and a comma.
struct NumberSeparators {
    std::string Thousands = "\u00A0";
    std::string Decimal = ",";
    friend bool operator==(const NumberSeparators&, const NumberSeparators&) = default;
};

// The value as "#,##0.###": a minus for negative values, thousands grouped, at most three decimals with
// trailing zeros dropped, and never "-0". Example with Czech separators: -12345.6789 -> "-12 345,679".
std::string FormatAxisValue(double value, const NumberSeparators& separators);

} // namespace chart
