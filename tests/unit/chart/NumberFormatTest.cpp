#include "chart/NumberFormat.h"

#include <gtest/gtest.h>

using chart::FormatAxisValue;
using chart::NumberSeparators;

TEST(FormatAxisValue, FollowsTheAxisPatternWithTheGivenSeparators) {
    const NumberSeparators czech{"\u00A0", ","};
    const NumberSeparators english{",", "."};
    struct Case {
        double Value;
        const char* Czech;
        const char* English;
    };
    const Case cases[] = {
        {0, "0", "0"},
        {-0.0, "0", "0"},
        {-0.0004, "0", "0"}, // rounds to zero: never "-0"
        {-0.0006, "-0,001", "-0.001"},
        {100, "100", "100"},
        {2200, "2\u00A0200", "2,200"},
        {-9835, "-9\u00A0835", "-9,835"},
        {76373, "76\u00A0373", "76,373"},
        {1234567.5, "1\u00A0234\u00A0567,5", "1,234,567.5"},
        {-200, "-200", "-200"},
        {2.50, "2,5", "2.5"}, // trailing zeros dropped
        {0.1, "0,1", "0.1"},
        {0.30000000000000004, "0,3", "0.3"},
        {1.23456, "1,235", "1.235"}, // three decimals at most, rounded
        {999.9996, "1\u00A0000", "1,000"},
        {-12345.6789, "-12\u00A0345,679", "-12,345.679"},
        {1e-10, "0", "0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatAxisValue(c.Value, czech), c.Czech) << c.Value;
        EXPECT_EQ(FormatAxisValue(c.Value, english), c.English) << c.Value;
    }
}

TEST(FormatAxisValue, HandlesValuesBeyondEveryIntegerType) {
    // A view panned far away still gets labels: 1e20 has 21 digits.
    EXPECT_EQ(FormatAxisValue(-1e20, {"'", "."}), "-100'000'000'000'000'000'000");
}
