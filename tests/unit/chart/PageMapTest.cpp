#include "chart/PageMap.h"

#include <gtest/gtest.h>

using namespace chart;

TEST(PageMap, FillsTheMiddleSeventyPercentOfThePrintableArea) {
    EXPECT_EQ(PageRectangle({6000, 4000}, {}), (Rect{900, 600, 5100, 3400}));
    // 15 % of 3508 is 526.2 and of 2479 is 371.85: each margin is rounded on its own.
    EXPECT_EQ(PageRectangle({3508, 2479}, {}), (Rect{526, 372, 3508 - 526, 2479 - 372}));
    EXPECT_EQ(PageRectangle({1000, 1000}, {0, 10, 20, 30}), (Rect{0, 100, 800, 700}));
}

TEST(PageMap, StretchesTheClientAreaOntoThePageRectangle) {
    const auto mapping = MapChartToPage({900, 600, 5100, 3400}, {726, 455});
    ASSERT_TRUE(mapping);
    EXPECT_EQ(mapping->Logical, (Size{726, 455}));
    EXPECT_EQ(mapping->Device, (Size{4200, 2800}));
    // 900 * 726 / 4200 = 155.57 and 600 * 455 / 2800 = 97.5, which rounds away from zero to 98.
    EXPECT_EQ(mapping->ChartRect, (Rect{156, 98, 882, 553}));
    EXPECT_EQ(mapping->ChartRect.Width(), 726);
    EXPECT_EQ(mapping->ChartRect.Height(), 455);
}

TEST(PageMap, SwapsReversedEdges) {
    const auto mapping = MapChartToPage({5100, 3400, 900, 600}, {726, 455});
    ASSERT_TRUE(mapping);
    EXPECT_EQ(mapping->ChartRect, (Rect{156, 98, 882, 553}));
}

TEST(PageMap, NothingToDrawOnDegenerateSizes) {
    EXPECT_FALSE(MapChartToPage({10, 10, 10, 500}, {726, 455}));
    EXPECT_FALSE(MapChartToPage({0, 0, 4200, 2800}, {0, 455}));
    EXPECT_FALSE(MapChartToPage({0, 0, 4200, 2800}, {726, 0}));
}

TEST(MulDivRounded, RoundsHalvesAwayFromZero) {
    struct Case {
        int A, B, C, Expected;
    };
    const Case cases[] = {
        {600, 455, 2800, 98},
        {-600, 455, 2800, -98},
        {600, -455, 2800, -98},
        {600, 455, -2800, -98},
        {5, 1, 3, 2},
        {4, 1, 3, 1},
        {-4, 1, 3, -1},
        {7, 0, 3, 0},
        {2000000000, 3, 4, 1500000000}, // the product overflows 32 bits
        {1, 1, 0, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MulDivRounded(c.A, c.B, c.C), c.Expected) << c.A << " * " << c.B << " / " << c.C;
}
