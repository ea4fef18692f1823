#include "Unit1Form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <vector>

namespace {

struct ExpectedSeries {
    const char* Title;
    chart::Color Colour;
    std::size_t PointCount;
};

// By position, which is the thermocouple type index.
constexpr std::array<ExpectedSeries, 9> Expected{{
    {"K", {255, 0, 0}, 165},
    {"S", {0, 128, 0}, 183},
    {"J", {255, 255, 0}, 143},
    {"N", {0, 0, 255}, 158},
    {"T", {0, 255, 0}, 68},
    {"E", {128, 128, 128}, 129},
    {"R", {255, 0, 255}, 183},
    {"B", {0, 128, 128}, 178},
    {"C", {0, 0, 128}, 133},
}};

class SeriesFilling : public testing::Test {
protected:
    SeriesFilling() {
        AddSeries(Chart, Form1Description.Series);
        FillCharacteristics(Chart);
    }
    chart::Chart Chart;
};

TEST_F(SeriesFilling, GivesEachPositionItsTitleColourAndTable) {
    ASSERT_EQ(Chart.SeriesCount(), Expected.size());
    for (std::size_t i = 0; i < Expected.size(); ++i) {
        SCOPED_TRACE(Expected[i].Title);
        const chart::Series& series = Chart.SeriesAt(i);
        EXPECT_EQ(series.Title, Expected[i].Title);
        EXPECT_EQ(series.Colour, Expected[i].Colour);
        EXPECT_EQ(series.LineWidth, 3);
        EXPECT_EQ(series.Points.size(), Expected[i].PointCount);
    }
}

TEST_F(SeriesFilling, AppendsThePointsInAscendingTemperatureAsWholeNumbers) {
    for (const chart::Series& series : Chart.SeriesList()) {
        SCOPED_TRACE(series.Title);
        EXPECT_TRUE(std::ranges::is_sorted(series.Points, {}, &chart::PointF::X));
        for (const chart::PointF& point : series.Points) {
            EXPECT_EQ(point.X, static_cast<int>(point.X));
            EXPECT_EQ(point.Y, static_cast<int>(point.Y));
        }
    }
}

// The pairing rests on the order alone: K at position 0 starts at -270 °C, C at position 8 ends at 2320 °C,
// and 0 °C gives 0 µV on every curve that reaches it.
TEST_F(SeriesFilling, PairsTheTablesWithTheSeriesByOrder) {
    EXPECT_EQ(Chart.SeriesAt(0).Points.front(), (chart::PointF{-270, -6458}));
    EXPECT_EQ(Chart.SeriesAt(8).Points.back().X, 2320);
    for (const chart::Series& series : Chart.SeriesList()) {
        const auto zero = std::ranges::find(series.Points, 0.0, &chart::PointF::X);
        if (zero != series.Points.end()) {
            EXPECT_EQ(zero->Y, 0) << series.Title;
        }
    }
}

// J and E receive the joint point of their two table segments twice: J at 800 °C, E at 700 °C.
TEST_F(SeriesFilling, RepeatsTheJointPointOfATypeWithTwoSegments) {
    const auto repeatedTemperatures = [](const chart::Series& series) {
        std::vector<double> repeated;
        for (std::size_t i = 1; i < series.Points.size(); ++i)
            if (series.Points[i] == series.Points[i - 1])
                repeated.push_back(series.Points[i].X);
        return repeated;
    };
    EXPECT_EQ(repeatedTemperatures(Chart.SeriesAt(2)), std::vector<double>{800}); // J
    EXPECT_EQ(repeatedTemperatures(Chart.SeriesAt(5)), std::vector<double>{700}); // E
    EXPECT_EQ(repeatedTemperatures(Chart.SeriesAt(0)), std::vector<double>{});    // K
}

} // namespace
