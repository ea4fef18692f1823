#include "chart/Ticks.h"

#include <gtest/gtest.h>

#include <cmath>

using chart::LabelIncrement;
using chart::LabelValues;

TEST(LabelsThatFit, AddsTheTenPercentGapInWholePixels) {
    EXPECT_EQ(chart::LabelsThatFit(600, 25), 22); // round(600 / 27)
    EXPECT_EQ(chart::LabelsThatFit(330, 14), 22); // round(330 / 15)
    EXPECT_EQ(chart::LabelsThatFit(7, 14), 0);
    EXPECT_EQ(chart::LabelsThatFit(0, 14), 0);
}

TEST(LabelIncrement, TakesTheSmallestStepOf1_2_5WhoseLabelsFit) {
    struct Case {
        double Range;
        int LabelsThatFit;
        double Expected;
    };
    const Case cases[] = {
        {2590, 22, 200}, // round(2590 / 100) = 26 > 22, round(2590 / 200) = 13
        {2590, 26, 100},    {86208, 22, 5000}, {86208, 1, 100000},
        {5, 22, 1},    // a range of 1 or more never goes below 1
        {0.9, 2, 0.5}, // round(0.9 / 0.2) = round(4.5) = 5 > 2
        {0.9, 5, 0.2},      {0.9, 9, 0.1},     {0.015, 19, 0.001},
        {0.004, 8, 0.0005}, {2590, 0, 0}, // not one label fits: none
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(LabelIncrement(c.Range, c.LabelsThatFit), c.Expected)
            << c.Range << " with " << c.LabelsThatFit << " labels";
}

TEST(LabelValues, AreTheMultiplesWithinTheRangeBothEndsIncluded) {
    struct Case {
        double Minimum, Maximum, Increment;
        std::vector<double> Expected;
    };
    const Case cases[] = {
        {-200, 200, 100, {-200, -100, 0, 100, 200}},
        {-270, 2320, 200, {-200, 0, 200, 400, 600, 800, 1000, 1200, 1400, 1600, 1800, 2000, 2200}},
        {0.3, 0.6, 0.1, {0.3, 0.4, 0.5, 0.6}}, // 0.3 / 0.1 is a hair below 3 in doubles
        {0.31, 0.39, 0.1, {}},
        {-1, 1, 0, {}},
    };
    for (const Case& c : cases) {
        const std::vector<double> values = LabelValues(c.Minimum, c.Maximum, c.Increment);
        ASSERT_EQ(values.size(), c.Expected.size()) << c.Minimum << ".." << c.Maximum;
        for (std::size_t i = 0; i < values.size(); ++i)
            EXPECT_NEAR(values[i], c.Expected[i], 1e-12);
    }
}

TEST(LabelValues, NoneAtTenThousandIncrementsOrMore) {
    EXPECT_EQ(LabelValues(0, 9999, 1).size(), 10000u);
    EXPECT_TRUE(LabelValues(0, 10000, 1).empty());
    EXPECT_TRUE(LabelValues(0, 1, 1e-12).empty());
}

TEST(LabelValues, FarFromZeroStayFewAscendingAndWithinTheRange) {
    // The smallest range, 1e-10, far from 0: the multiples' indices reach 1e14 and pass 2^53 (1e16), and
    // 1e-10 spans only some 27 doubles at 20000, a single one at 2.6e6 (SetAxisRange's next double), so
    // neighbouring multiples round to the same double or to one beyond an end.
    struct Case {
        double Minimum, Maximum, Increment;
    };
    const double singleStep = std::nextafter(2.6e6, HUGE_VAL);
    for (const Case& c : {Case{500, 500 + 1e-10, 5e-12}, Case{76373 - 1e-10, 76373, 5e-12},
                          Case{20000, 20000 + 1e-10, 5e-12}, Case{2.6e6, singleStep, 2e-11}}) {
        const std::vector<double> values = LabelValues(c.Minimum, c.Maximum, c.Increment);
        EXPECT_FALSE(values.empty()) << c.Minimum;
        EXPECT_LE(static_cast<double>(values.size()), (c.Maximum - c.Minimum) / c.Increment + 2) << c.Minimum;
        for (std::size_t i = 0; i < values.size(); ++i) {
            EXPECT_GE(values[i], c.Minimum) << c.Minimum;
            EXPECT_LE(values[i], c.Maximum) << c.Minimum;
            if (i > 0) {
                EXPECT_GT(values[i], values[i - 1]) << c.Minimum;
            }
        }
        const std::vector<double> minor = chart::MinorTickValues(c.Minimum, c.Maximum, c.Increment, values);
        for (std::size_t i = 0; i < minor.size(); ++i) {
            EXPECT_GE(minor[i], c.Minimum) << c.Minimum;
            EXPECT_LE(minor[i], c.Maximum) << c.Minimum;
            if (i > 0) {
                EXPECT_GT(minor[i], minor[i - 1]) << c.Minimum;
            }
        }
    }
}

TEST(MinorTickValues, ThreeBetweenLabelsAndUpToThreeBeyondWithinTheAxis) {
    const std::vector<double> labels = LabelValues(-270, 2320, 200);
    const std::vector<double> minor = chart::MinorTickValues(-270, 2320, 200, labels);
    // -250 before the first label (-300 lies outside), 3 in each of the 12 gaps, 2250 and 2300 after.
    ASSERT_EQ(minor.size(), 1u + 36u + 2u);
    EXPECT_DOUBLE_EQ(minor.front(), -250);
    EXPECT_DOUBLE_EQ(minor[1], -150);
    EXPECT_DOUBLE_EQ(minor.back(), 2300);
    EXPECT_TRUE(chart::MinorTickValues(0, 1, 2, {}).empty());
}
