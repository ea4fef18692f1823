#include "ThermoTables.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct ExpectedRecord {
    char Type;
    int Index;
    bool Continuation;
    int32_t FirstTemp; // tenths of °C
    int32_t LastTemp;
    int ValueCount;
    int16_t Bias;
    uint8_t Flags;
};

const ExpectedRecord Records[] = {
    {'K', 0, false, -2700, 13700, 165, 10000, 0},
    {'S', 1, false, -500, 17700, 183, 1000, 0},
    {'J', 2, false, -2100, 8000, 102, 10000, HasContinuation},
    {'J', 2, true, 8000, 12000, 41, -10000, 0},
    {'N', 3, false, -2700, 13000, 158, 10000, 0},
    {'T', 4, false, -2700, 4000, 68, 10000, 0},
    {'E', 5, false, -2700, 7000, 98, 10000, HasContinuation},
    {'E', 5, true, 7000, 10000, 31, -20000, 0},
    {'R', 6, false, -500, 17700, 183, 10000, 0},
    {'B', 7, false, 500, 18200, 178, 0, 0},
    {'C', 8, false, 10000, 23200, 133, 0, 0},
};

const TThermoSegment& SegmentOf(const ExpectedRecord& record) {
    return record.Continuation ? ContinuationSegments[record.Index] : PrimarySegments[record.Index];
}

TEST(ThermoTables, RecordsHaveTheirRangeBiasAndFlags) {
    for (const ExpectedRecord& record : Records) {
        SCOPED_TRACE(testing::Message()
                     << record.Type << (record.Continuation ? " continuation" : " primary"));
        const TThermoSegment& segment = SegmentOf(record);
        EXPECT_EQ(segment.FirstTemp, record.FirstTemp);
        EXPECT_EQ(segment.LastTemp, record.LastTemp);
        EXPECT_EQ(segment.Bias, record.Bias);
        EXPECT_EQ(segment.Flags, record.Flags);
        EXPECT_NE(segment.Values, nullptr);
        // Whole 10 °C steps, so the count of stored values follows from the range.
        EXPECT_EQ(segment.FirstTemp % 100, 0);
        EXPECT_EQ(segment.LastTemp % 100, 0);
        EXPECT_EQ((segment.LastTemp - segment.FirstTemp) / 100 + 1, record.ValueCount);
    }
}

TEST(ThermoTables, ContinuationEntriesOfSingleSegmentTypesAreZero) {
    for (int index = 0; index < ThermocoupleCount; ++index) {
        if ((PrimarySegments[index].Flags & HasContinuation) != 0) {
            continue;
        }
        SCOPED_TRACE(index);
        const TThermoSegment& segment = ContinuationSegments[index];
        EXPECT_EQ(segment.FirstTemp, 0);
        EXPECT_EQ(segment.LastTemp, 0);
        EXPECT_EQ(segment.Values, nullptr);
        EXPECT_EQ(segment.Bias, 0);
        EXPECT_EQ(segment.Flags, 0);
    }
}

// With these biases the stored values run from 2 (B at 50 °C, bias 0) to 64819 (K at
// 1370 °C: 54819 µV + 10000); a wrong bias or a wrapped value moves one of the ends.
TEST(ThermoTables, StoredValuesSpanTwoTo64819) {
    int lowest = 65536;
    int highest = -1;
    for (const ExpectedRecord& record : Records) {
        const TThermoSegment& segment = SegmentOf(record);
        const auto [low, high] = std::minmax_element(segment.Values, segment.Values + record.ValueCount);
        lowest = std::min<int>(lowest, *low);
        highest = std::max<int>(highest, *high);
    }
    EXPECT_EQ(lowest, 2);
    EXPECT_EQ(highest, 64819);
}

} // namespace
