#include "model/zone_time.h"

#include <gtest/gtest.h>

#include "model/zone_catalogue_loader.h"
#include "tzi_builder.h"

namespace horavia {
namespace {

using testing::kAuDlt;
using testing::kAuStd;
using testing::kUsDlt;
using testing::kUsStd;
using testing::MakeTzi;

constexpr double kSecond = 1.0 / 86400.0;

ZoneInfo ZoneFromTzi(const std::string& tzi, int loadYear = 2026) {
    ZoneInfo zone;
    ApplyTzi(zone, tzi, loadYear);
    return zone;
}

TEST(ZoneTime, LocalToUtcToZoneTime) {
    const DayCount local = FromCivil(2026, 6, 1, 12);
    const DayCount utc = UtcFromLocal(local, -60);
    EXPECT_NEAR(utc, FromCivil(2026, 6, 1, 11), 1e-9);
    EXPECT_NEAR(ZoneTimeFromUtc(ZoneFromTzi(MakeTzi(300)), utc), FromCivil(2026, 6, 1, 6), 1e-9);
    EXPECT_NEAR(ZoneTimeFromUtc(ZoneFromTzi(MakeTzi(-600)), utc), FromCivil(2026, 6, 1, 21), 1e-9);
}

TEST(ZoneTime, NorthernChangesAtTheZonesOwnClockReading) {
    const ZoneInfo ny = ZoneFromTzi(MakeTzi(300, -60, kUsStd, kUsDlt));
    ASSERT_EQ(ny.DltBias, 240);
    // 2026-03-08 02:00 EST is 07:00 UTC: daylight from that very instant on.
    const DayCount spring = FromCivil(2026, 3, 8, 7);
    EXPECT_TRUE(IsDaylightTime(ny, spring));
    EXPECT_TRUE(IsDaylightTime(ny, spring + kSecond));
    EXPECT_FALSE(IsDaylightTime(ny, spring - kSecond));
    // 2026-11-01 02:00 EDT is 06:00 UTC: back on standard exactly then.
    const DayCount autumn = FromCivil(2026, 11, 1, 6);
    EXPECT_TRUE(IsDaylightTime(ny, autumn - kSecond));
    EXPECT_FALSE(IsDaylightTime(ny, autumn));
    EXPECT_FALSE(IsDaylightTime(ny, autumn + kSecond));
    // The wall clock jumps from 01:59:59 to 03:00:00 and falls back from 01:59:59 to 01:00:00.
    auto wall = [&](DayCount utc) { return ToCivil(ZoneTimeFromUtc(ny, utc))->hour; };
    EXPECT_EQ(wall(spring), 3);  // 02:00:00 never shows: the tz database says 03:00:00
    EXPECT_EQ(wall(spring + kSecond), 3);
    EXPECT_EQ(wall(autumn - kSecond), 1);
    EXPECT_EQ(wall(autumn), 1);
}

TEST(ZoneTime, SouthernDaylightAcrossTheTurnOfTheYear) {
    const ZoneInfo sydney = ZoneFromTzi(MakeTzi(-600, -60, kAuStd, kAuDlt));
    EXPECT_TRUE(IsDaylightTime(sydney, FromCivil(2026, 1, 15)));
    EXPECT_FALSE(IsDaylightTime(sydney, FromCivil(2026, 6, 15)));
    EXPECT_TRUE(IsDaylightTime(sydney, FromCivil(2026, 12, 15)));
    // 2026-04-05 03:00 AEDT = 04-04 16:00 UTC; 2026-10-04 02:00 AEST = 10-03 16:00 UTC.
    const DayCount stdStart = FromCivil(2026, 4, 4, 16);
    const DayCount dltStart = FromCivil(2026, 10, 3, 16);
    EXPECT_TRUE(IsDaylightTime(sydney, stdStart - kSecond));
    EXPECT_FALSE(IsDaylightTime(sydney, stdStart));
    EXPECT_TRUE(IsDaylightTime(sydney, dltStart));
    EXPECT_FALSE(IsDaylightTime(sydney, dltStart - kSecond));
}

TEST(ZoneTime, EveryYearUsesItsOwnTransitionDates) {
    // Loaded in 2026, asked about 2027: the second Sunday of March 2027 is the 14th.
    const ZoneInfo ny = ZoneFromTzi(MakeTzi(300, -60, kUsStd, kUsDlt), 2026);
    const DayCount change2027 = FromCivil(2027, 3, 14, 7);
    EXPECT_FALSE(IsDaylightTime(ny, change2027 - 3600 * kSecond));
    EXPECT_TRUE(IsDaylightTime(ny, change2027 + kSecond));
    EXPECT_FALSE(IsDaylightTime(ny, FromCivil(2027, 3, 9, 12)));  // 2026's date, in 2027
    // And back again, after the cache moved on.
    EXPECT_TRUE(IsDaylightTime(ny, FromCivil(2026, 3, 9, 12)));
}

TEST(ZoneTime, ResultDoesNotDependOnTheComputersZone) {
    // A computer in Sydney (bias -660 in January... here -600) converts its local clock to
    // New York time right after New York's spring change.
    const ZoneInfo ny = ZoneFromTzi(MakeTzi(300, -60, kUsStd, kUsDlt));
    const DayCount sydneyLocal = FromCivil(2026, 3, 8, 18, 0, 1);  // 07:00:01 UTC with bias -660
    const DayCount utc = UtcFromLocal(sydneyLocal, -660);
    const auto wall = ToCivil(ZoneTimeFromUtc(ny, utc));
    EXPECT_EQ(wall->hour, 3);
    EXPECT_EQ(wall->second, 1);
}

TEST(ZoneTime, NoDaylightWhenOffsetsAreEqual) {
    ZoneInfo zone = ZoneFromTzi(MakeTzi(300, 0, kUsStd, kUsDlt));
    EXPECT_EQ(zone.DltBias, 300);
    EXPECT_FALSE(IsDaylightTime(zone, FromCivil(2026, 7, 1)));
}

TEST(ZoneTime, PseudoZonesTestAsTheirTableSays) {
    ZoneCatalogue cat;
    cat.zones.resize(10);
    FillPseudoZones(cat);
    const DayCount now = FromCivil(2026, 12, 8, 12);
    for (int z : {2, 3, 4, 6, 8}) {
        EXPECT_TRUE(IsDaylightTime(cat.zones[static_cast<std::size_t>(z)], now)) << z;
        EXPECT_DOUBLE_EQ(ZoneTimeFromUtc(cat.zones[static_cast<std::size_t>(z)], now), now);
    }
    for (int z : {0, 5, 7, 9})
        EXPECT_FALSE(IsDaylightTime(cat.zones[static_cast<std::size_t>(z)], now)) << z;
}

}  // namespace
}  // namespace horavia
