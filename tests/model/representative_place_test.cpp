// The place that stands for a zone, on a small table made up for the purpose: the compiled
// table's cases are in tests/platform/place_table_test.cpp.
#include "model/representative_place.h"

#include <gtest/gtest.h>

namespace horavia {
namespace {

TEST(RepresentativePlace, OwnTzIdsCityThenItsLargestThenTheZonesLargest) {
    constexpr const char* kTable =
        "C\tAA\tAland\t1000\t\n"
        "C\tSG\tSingapore\t1000\t\n"
        "Z\tAsia/Small_Town\tCity Standard Time\t1\n"
        "Z\tAsia/Other\tCity Standard Time\t0\n"
        "Z\tAsia/Empty\tLargest Standard Time\t1\n"
        "Z\tAsia/Largest\tLargest Standard Time\t0\n"
        "Z\tAsia/Big\tOwn Standard Time\t1\n"
        "Z\tAsia/Singapore\tSingapore Standard Time\t1\n"
        "Z\tAsia/None\tNone Standard Time\t1\n"
        "P\tHuge\t\tAA\t\t1\t2\t900\t1\n"
        "P\tBig One\t\tAA\t\t3\t4\t800\t4\n"
        "P\tLarge\t\tAA\t\t5\t6\t700\t0\n"
        "P\tSecond\t\tAA\t\t7\t8\t600\t3\n"
        "P\tSmall Town\t\tAA\t\t9\t10\t500\t0\n"
        "P\tSingapore\t\tSG\t\t1.5\t103.5\t400\t5\n"
        "P\tSmaller\t\tAA\t\t11\t12\t300\t4\n";
    const struct {
        const char* zoneKey;
        const char* place;  // nullptr: none
        double latitude;
    } cases[] = {
        {"City Standard Time", "Small Town, Aland", 9},  // named like the own tz id's city
        {"OWN STANDARD TIME", "Big One, Aland", 3},      // else the own tz id's largest
        {"Largest Standard Time", "Second, Aland", 7},   // else the largest of the zone's
        {"Singapore Standard Time", "Singapore", 1.5},   // a city-state named once
        {"None Standard Time", nullptr, 0},
        {"Unknown Standard Time", nullptr, 0},
    };
    const PlaceTable table = ParsePlaceTable(kTable);
    ASSERT_EQ(table.skippedLines, 0);
    for (const auto& c : cases) {
        const std::optional<ClockPlace> place = RepresentativePlace(table, c.zoneKey);
        ASSERT_EQ(place.has_value(), c.place != nullptr) << c.zoneKey;
        if (!place) continue;
        EXPECT_EQ(place->name, c.place);
        EXPECT_NEAR(place->latitude, c.latitude, 1e-6);
    }
}

}  // namespace
}  // namespace horavia
