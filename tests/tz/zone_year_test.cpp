// A zone's year as the registry sees one, from zone files the tests write themselves.
#include "tz/zone_year.h"

#include <gtest/gtest.h>

#include "tzif_writer.h"

namespace horavia {
namespace {

using testing::TzifBytes;
using testing::Utc;

constexpr std::int32_t kHour = 3600;

// A zone governed by its footer's rule alone.
ZoneYear RuleYear(std::int32_t offset, const char* rule, int year) {
    const auto zone = ZoneTimeline::FromTzif(TzifBytes({{}, {}, {{offset, false}}, rule}));
    EXPECT_TRUE(zone.has_value()) << rule;
    return zone ? ComputeZoneYear(*zone, year) : ZoneYear{};
}

void ExpectReading(const CivilTime& t, int year, int month, int day, int hour, int minute = 0) {
    EXPECT_EQ(t.year, year);
    EXPECT_EQ(t.month, month);
    EXPECT_EQ(t.day, day);
    EXPECT_EQ(t.hour, hour);
    EXPECT_EQ(t.minute, minute);
    EXPECT_EQ(t.second, 0);
}

TEST(ZoneYear, TheLowerOffsetIsStandardTimeAndChangesAreReadOnTheClock) {
    // Irish summer time is "standard" in the tz database and winter a negative daylight
    // saving; the registry's view is winter standard, summer daylight.
    const ZoneYear dublin = RuleYear(kHour, "IST-1GMT0,M10.5.0,M3.5.0/1", 2026);
    EXPECT_EQ(dublin.standardOffset, 0);
    EXPECT_EQ(dublin.daylightOffset, kHour);
    EXPECT_EQ(dublin.daylightPeriods, 1);
    ExpectReading(dublin.daylightStarts, 2026, 3, 29, 1);
    ExpectReading(dublin.daylightEnds, 2026, 10, 25, 2);
    // Half an hour of daylight saving across New Year, each change at 02:00 of its clock.
    const ZoneYear lordHowe = RuleYear(37800, "<+1030>-10:30<+11>-11,M10.1.0,M4.1.0", 2026);
    EXPECT_EQ(lordHowe.standardOffset, 37800);
    EXPECT_EQ(lordHowe.daylightOffset, 39600);
    EXPECT_EQ(lordHowe.daylightPeriods, 1);
    ExpectReading(lordHowe.daylightStarts, 2026, 10, 4, 2);
    ExpectReading(lordHowe.daylightEnds, 2026, 4, 5, 2);
    // 24:00 on Saturday, which the clock reads as 00:00 on Sunday.
    const ZoneYear santiago = RuleYear(-4 * kHour, "<-04>4<-03>,M9.1.6/24,M4.1.6/24", 2026);
    EXPECT_EQ(santiago.standardOffset, -4 * kHour);
    ExpectReading(santiago.daylightStarts, 2026, 9, 6, 0);
}

TEST(ZoneYear, PeriodsCutByTheYearSeveralPeriodsAndNone) {
    // A zone that moved from -3 to -2 for good keeps one period, cut by the end of the year.
    const auto nuuk = ZoneTimeline::FromTzif(TzifBytes(
        {{Utc(2023, 3, 25, 1)}, {1}, {{-3 * kHour, false}, {-2 * kHour, false}}, "<-02>2"}));
    ASSERT_TRUE(nuuk);
    const ZoneYear moved = ComputeZoneYear(*nuuk, 2023);
    EXPECT_EQ(moved.standardOffset, -3 * kHour);
    EXPECT_EQ(moved.daylightOffset, -2 * kHour);
    EXPECT_EQ(moved.daylightPeriods, 1);
    ExpectReading(moved.daylightStarts, 2023, 3, 24, 22);
    EXPECT_EQ(moved.daylightEnds.month, 12);
    EXPECT_EQ(moved.daylightEnds.day, 31);
    EXPECT_EQ(moved.daylightEnds.hour, 23);
    EXPECT_EQ(moved.daylightEnds.millisecond, 999);
    // The year after, it has no change and -2 is its standard time.
    EXPECT_EQ(ComputeZoneYear(*nuuk, 2024).daylightPeriods, 0);
    EXPECT_EQ(ComputeZoneYear(*nuuk, 2024).standardOffset, -2 * kHour);

    // Two periods of +1 around a month at 0: the longer one is the year's daylight period.
    const auto morocco = ZoneTimeline::FromTzif(TzifBytes(
        {{Utc(2029, 1, 14, 2), Utc(2029, 2, 18, 2), Utc(2029, 12, 30, 2), Utc(2030, 2, 10, 2)},
         {1, 0, 1, 0},
         {{kHour, false}, {0, true}},
         "<+01>-1"}));
    ASSERT_TRUE(morocco);
    const ZoneYear twice = ComputeZoneYear(*morocco, 2029);
    EXPECT_EQ(twice.daylightPeriods, 2);
    EXPECT_EQ(twice.standardOffset, 0);
    EXPECT_EQ(twice.daylightOffset, kHour);
    ExpectReading(twice.daylightStarts, 2029, 2, 18, 2);
    ExpectReading(twice.daylightEnds, 2029, 12, 30, 3);

    const ZoneYear utc = RuleYear(0, "UTC0", 2026);
    EXPECT_EQ(utc.daylightPeriods, 0);
    EXPECT_EQ(utc.standardOffset, 0);
    EXPECT_EQ(utc.daylightOffset, 0);
}

}  // namespace
}  // namespace horavia
