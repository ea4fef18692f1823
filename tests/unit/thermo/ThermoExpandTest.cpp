#include "ThermoExpand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <iterator>
#include <ostream>

void PrintTo(const TThermoPoint& point, std::ostream* out) {
    *out << "(" << point.Temperature << " °C, " << point.Emf << " µV)";
}

namespace {

struct CurveCase {
    char Type;
    int Index;
    size_t Count;
    TThermoPoint First;
    TThermoPoint Last;
};

const CurveCase Curves[] = {
    {'K', 0, 165, {-270, -6458}, {1370, 54819}}, {'S', 1, 183, {-50, -236}, {1770, 18714}},
    {'J', 2, 143, {-210, -8095}, {1200, 69553}}, {'N', 3, 158, {-270, -4345}, {1300, 47513}},
    {'T', 4, 68, {-270, -6258}, {400, 20872}},   {'E', 5, 129, {-270, -9835}, {1000, 76373}},
    {'R', 6, 183, {-50, -226}, {1770, 21125}},   {'B', 7, 178, {50, 2}, {1820, 13820}},
    {'C', 8, 133, {1000, 18257}, {2320, 37107}},
};

TEST(ExpandThermocouple, CountsAndEndPointsPerType) {
    for (const CurveCase& curve : Curves) {
        SCOPED_TRACE(curve.Type);
        const std::vector<TThermoPoint> points = ExpandThermocouple(curve.Index);
        ASSERT_EQ(points.size(), curve.Count);
        EXPECT_EQ(points.front(), curve.First);
        EXPECT_EQ(points.back(), curve.Last);
    }
}

TEST(ExpandThermocouple, AllTypesTogetherGive1340Points) {
    size_t total = 0;
    for (int index = 0; index < ThermocoupleCount; ++index) {
        total += ExpandThermocouple(index).size();
    }
    EXPECT_EQ(total, 1340u);
}

TEST(ExpandThermocouple, OutOfRangeTypeGivesNoPoints) {
    EXPECT_TRUE(ExpandThermocouple(-1).empty());
    EXPECT_TRUE(ExpandThermocouple(ThermocoupleCount).empty());
}

// Within a segment every step is +10 °C; J and E repeat their joint point once, where the
// primary ends and the continuation begins.
TEST(ExpandThermocouple, StepsOf10WithJointsRepeatedOnlyForJAndE) {
    struct Joint {
        int Index;
        size_t Position; // of the second copy
        TThermoPoint Point;
    };
    const std::vector<Joint> expectedJoints = {{2, 102, {800, 45494}}, {5, 98, {700, 53112}}};
    std::vector<Joint> joints;
    for (int index = 0; index < ThermocoupleCount; ++index) {
        SCOPED_TRACE(index);
        const std::vector<TThermoPoint> points = ExpandThermocouple(index);
        for (size_t i = 1; i < points.size(); ++i) {
            if (points[i].Temperature == points[i - 1].Temperature) {
                EXPECT_EQ(points[i], points[i - 1]);
                joints.push_back({index, i, points[i]});
            } else {
                EXPECT_EQ(points[i].Temperature - points[i - 1].Temperature, 10) << "at " << i;
            }
        }
    }
    ASSERT_EQ(joints.size(), expectedJoints.size());
    for (size_t i = 0; i < joints.size(); ++i) {
        EXPECT_EQ(joints[i].Index, expectedJoints[i].Index);
        EXPECT_EQ(joints[i].Position, expectedJoints[i].Position);
        EXPECT_EQ(joints[i].Point, expectedJoints[i].Point);
    }
}

// Hand-made tables: type 0 runs -30..0 °C (FirstTemp -300 at index 0) and may continue to 10 °C.
struct FlagsCase {
    uint8_t Flags;
    bool Continues;
};

TEST(ExpandThermocouple, OnlyBit0x10OfThePrimaryFlagsAppendsTheContinuation) {
    static const uint16_t low[] = {100, 200, 300, 400};
    static const uint16_t high[] = {1000, 1100};
    static const uint16_t poison[] = {65535};
    const std::vector<TThermoPoint> primaryPoints = {{-30, -150}, {-20, -50}, {-10, 50}, {0, 150}};
    const std::vector<TThermoPoint> continuationPoints = {{0, 1005}, {10, 1105}};

    const FlagsCase cases[] = {{0x10, true}, {0xFF, true}, {0x00, false}, {0xEF, false}, {0x01, false}};
    for (const FlagsCase& flagsCase : cases) {
        SCOPED_TRACE(testing::Message() << "Flags " << int(flagsCase.Flags));
        std::array<TThermoSegment, ThermocoupleCount> primary{};
        std::array<TThermoSegment, ThermocoupleCount> continuation{};
        primary[0] = {-300, 0, low, 250, flagsCase.Flags};
        // Without the flag this entry must stay unread; reading it would add (0, 65536).
        continuation[0] = flagsCase.Continues ? TThermoSegment{0, 100, high, -5, 0xFF}
                                              : TThermoSegment{0, 0, poison, -1, HasContinuation};
        std::vector<TThermoPoint> expected = primaryPoints;
        if (flagsCase.Continues) {
            expected.insert(expected.end(), continuationPoints.begin(), continuationPoints.end());
        }
        EXPECT_EQ(ExpandThermocouple(0, primary, continuation), expected);
    }
}

TEST(ExpandThermocouple, SingleSegmentTypesIgnorePoisonedContinuations) {
    static const uint16_t poison[] = {65535, 65535};
    std::array<TThermoSegment, ThermocoupleCount> continuation{};
    std::copy(std::begin(ContinuationSegments), std::end(ContinuationSegments), continuation.begin());
    int poisoned = 0;
    for (int index = 0; index < ThermocoupleCount; ++index) {
        if ((PrimarySegments[index].Flags & HasContinuation) == 0) {
            continuation[index] = {20000, 20100, poison, -1, HasContinuation};
            ++poisoned;
        }
    }
    ASSERT_EQ(poisoned, 7);
    for (int index = 0; index < ThermocoupleCount; ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(ExpandThermocouple(index, PrimarySegments, continuation), ExpandThermocouple(index));
    }
}

} // namespace
