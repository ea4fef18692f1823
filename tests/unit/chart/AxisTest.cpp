#include "chart/Axis.h"

#include <gtest/gtest.h>

using chart::Axis;
using chart::AxisOrientation;
using chart::AxisScale;

TEST(AxisScale, MapsPixelsToValuesLinearlyBeyondThePlot) {
    const AxisScale bottom{AxisOrientation::Horizontal, -270, 2320, 100, 518};
    EXPECT_DOUBLE_EQ(bottom.ValueAt(100), -270);
    EXPECT_DOUBLE_EQ(bottom.ValueAt(618), 2320);
    EXPECT_DOUBLE_EQ(bottom.ValueAt(-418), -270 - 2590);

    const AxisScale left{AxisOrientation::Vertical, 0, 1000, 50, 200};
    EXPECT_DOUBLE_EQ(left.ValueAt(50), 1000);
    EXPECT_DOUBLE_EQ(left.ValueAt(250), 0);
    EXPECT_DOUBLE_EQ(left.ValueAt(150), 500);
}

TEST(AxisScale, ValueAndPixelAreInverse) {
    for (const auto orientation : {AxisOrientation::Horizontal, AxisOrientation::Vertical}) {
        const AxisScale scale{orientation, -9835, 76373, 37, 301};
        for (int pixel : {-500, 37, 100, 338, 2000})
            EXPECT_NEAR(scale.PixelOf(scale.ValueAt(pixel)), pixel, 1e-9);
    }
}

TEST(AxisScale, DegenerateAxes) {
    const AxisScale tooShort{AxisOrientation::Horizontal, 10, 20, 5, 0};
    EXPECT_EQ(tooShort.ValueAt(5), 0);
    EXPECT_EQ(tooShort.ValueAt(-7), 0);

    const AxisScale zeroRange{AxisOrientation::Vertical, 42, 42, 10, 100};
    EXPECT_DOUBLE_EQ(zeroRange.PixelOf(42), 60);
    EXPECT_DOUBLE_EQ(zeroRange.PixelOf(-1e9), 60);
}

TEST(SetAxisRange, EndsAutomaticSwapsAndKeepsTheNarrowestRange) {
    struct Case {
        double A, B, ExpectedMinimum, ExpectedMaximum;
    };
    const Case cases[] = {
        {-200, 200, -200, 200},
        {200, -200, -200, 200},
        {5, 5, 5, 5 + chart::MinimumAxisRange},
        {1, 1 + 1e-12, 1, 1 + chart::MinimumAxisRange},
    };
    for (const Case& c : cases) {
        Axis axis;
        SetAxisRange(axis, c.A, c.B);
        EXPECT_FALSE(axis.Automatic || axis.AutomaticMinimum || axis.AutomaticMaximum);
        EXPECT_DOUBLE_EQ(axis.Minimum, c.ExpectedMinimum);
        EXPECT_DOUBLE_EQ(axis.Maximum, c.ExpectedMaximum);
        EXPECT_GE(axis.Maximum - axis.Minimum, chart::MinimumAxisRange * (1 - 1e-6));
    }
}

TEST(SetAxisRange, KeepsAWidthFarFromZero) {
    // 2e6 + 1e-10 rounds back to 2e6 in double precision.
    for (const double value : {2e6, -2e6, 1e15}) {
        Axis axis;
        SetAxisRange(axis, value, value);
        EXPECT_EQ(axis.Minimum, value);
        EXPECT_GT(axis.Maximum, axis.Minimum);
    }
}

TEST(SetAxisRange, ReportsWhetherTheRangeChanged) {
    Axis axis;
    EXPECT_TRUE(SetAxisRange(axis, 1, 2));
    EXPECT_FALSE(SetAxisRange(axis, 2, 1));
    EXPECT_TRUE(SetAxisRange(axis, 1, 3));
}
