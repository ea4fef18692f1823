#include "NistReferenceTables.h"
#include "ThermoExpand.h"

#include <gtest/gtest.h>

#include <map>

namespace {

constexpr char TypeLetters[] = "KSJNTERBC";

// Above the functions' 1768.1 °C limit; the program's own values.
const std::map<std::pair<char, int>, int> BeyondNistTables = {{{'S', 1770}, 18714}, {{'R', 1770}, 21125}};

// Type C, this program's own table: µV, one row per 100 °C from 1000 °C, columns +0..+90 °C.
const std::vector<std::vector<int>> TypeCRows = {
    {18257, 18440, 18623, 18805, 18987, 19168, 19349, 19529, 19709, 19888},
    {20066, 20244, 20421, 20598, 20774, 20950, 21125, 21299, 21473, 21647},
    {21819, 21991, 22163, 22334, 22504, 22674, 22843, 23012, 23180, 23347},
    {23514, 23680, 23846, 24010, 24175, 24339, 24502, 24664, 24826, 24988},
    {25148, 25308, 25468, 25627, 25785, 25943, 26100, 26256, 26412, 26568},
    {26722, 26876, 27030, 27183, 27335, 27486, 27637, 27788, 27938, 28087},
    {28236, 28384, 28531, 28678, 28824, 28969, 29114, 29259, 29402, 29546},
    {29688, 29830, 29971, 30112, 30252, 30391, 30530, 30668, 30805, 30942},
    {31078, 31214, 31349, 31483, 31617, 31749, 31882, 32013, 32144, 32274},
    {32404, 32533, 32661, 32788, 32915, 33041, 33166, 33291, 33415, 33538},
    {33660, 33782, 33902, 34022, 34142, 34260, 34378, 34494, 34610, 34725},
    {34839, 34953, 35065, 35177, 35288, 35397, 35506, 35614, 35721, 35827},
    {35932, 36036, 36138, 36240, 36341, 36441, 36539, 36637, 36733, 36828},
    {36922, 37015, 37107},
};

// Published EMF in µV by temperature in °C for one type.
std::map<int, int> PublishedEmf(char type) {
    std::map<int, int> emf;
    for (const PublishedTable& table : NistReferenceTables) {
        if (table.Type == type) {
            for (size_t i = 0; i < table.Emf.size(); ++i) {
                emf[table.FirstTemp + 10 * static_cast<int>(i)] = table.Emf[i];
            }
        }
    }
    for (const auto& [key, value] : BeyondNistTables) {
        if (key.first == type) {
            emf[key.second] = value;
        }
    }
    if (type == 'C') {
        for (size_t row = 0; row < TypeCRows.size(); ++row) {
            for (size_t column = 0; column < TypeCRows[row].size(); ++column) {
                emf[1000 + 100 * static_cast<int>(row) + 10 * static_cast<int>(column)] =
                    TypeCRows[row][column];
            }
        }
    }
    return emf;
}

// Every expanded point equals the published value at its temperature, and every published
// value of the type's range is reached.
TEST(ThermoReference, EveryPointMatchesThePublishedTables) {
    for (int index = 0; index < ThermocoupleCount; ++index) {
        const char type = TypeLetters[index];
        SCOPED_TRACE(type);
        const std::map<int, int> published = PublishedEmf(type);
        std::map<int, int> reached;
        for (const TThermoPoint& point : ExpandThermocouple(index)) {
            const auto found = published.find(point.Temperature);
            ASSERT_NE(found, published.end()) << "nothing published at " << point.Temperature << " °C";
            EXPECT_EQ(point.Emf, found->second) << "at " << point.Temperature << " °C";
            reached[point.Temperature] = point.Emf;
        }
        EXPECT_EQ(reached.size(), published.size());
    }
}

} // namespace
