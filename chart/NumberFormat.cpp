#include "NumberFormat.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace chart {

std::string FormatAxisValue(double value, const NumberSeparators& separators) {
    // Room for the 309 integer digits of the largest double and three decimals.
    char digits[320];
    const auto [end, error] =
        std::to_chars(digits, digits + sizeof digits, std::fabs(value), std::chars_format::fixed, 3);
    if (error != std::errc{})
        return "?";
    const std::string_view text(digits, end);
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos) // inf or nan
        return std::string(value < 0 ? "-" : "") + std::string(text);

    const std::string_view integer = text.substr(0, point);
    std::string_view fraction = text.substr(point + 1);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.remove_suffix(1);

    std::string result;
    // A negative value that rounds to zero prints as "0".
    if (std::signbit(value) && (integer != "0" || !fraction.empty()))
        result += '-';
    for (std::size_t i = 0; i < integer.size(); ++i) {
        if (i > 0 && (integer.size() - i) % 3 == 0)
            result += separators.Thousands;
        result += integer[i];
    }
    if (!fraction.empty()) {
        result += separators.Decimal;
        result += fraction;
    }
    return result;
}

} // namespace chart
