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

constexpr std::chrono::seconds kSecond{1};

ZoneInfo ZoneFromTzi(const std::string& tzi) {
    ZoneInfo zone;
    ApplyTzi(zone, tzi);
    return zone;
}

Instant Utc(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return InstantOfLocal(FromCivil(year, month, day, hour, minute, second), 0).value();
}

TEST(ZoneTime, LocalToUtcToZoneTime) {
    const Instant utc = InstantOfLocal(FromCivil(2026, 6, 1, 12), -60).value();
    EXPECT_EQ(utc, Utc(2026, 6, 1, 11));
    EXPECT_NEAR(ZoneReadingAt(ZoneFromTzi(MakeTzi(300)), utc), FromCivil(2026, 6, 1, 6), 1e-9);
    EXPECT_NEAR(ZoneReadingAt(ZoneFromTzi(MakeTzi(-600)), utc), FromCivil(2026, 6, 1, 21), 1e-9);
}

TEST(ZoneTime, NorthernChangesAtTheZonesOwnClockReading) {
    const ZoneInfo ny = ZoneFromTzi(MakeTzi(300, -60, kUsStd, kUsDlt));
    EXPECT_EQ(ny.standardOffset, -5 * 3600);
    EXPECT_EQ(ZoneOffsetAt(ny, Utc(2026, 7, 1)), -4 * 3600);
    // 2026-03-08 02:00 EST is 07:00 UTC: daylight from that very instant on.
    const Instant spring = Utc(2026, 3, 8, 7);
    EXPECT_TRUE(IsDaylightTime(ny, spring));
    EXPECT_TRUE(IsDaylightTime(ny, spring + kSecond));
    EXPECT_FALSE(IsDaylightTime(ny, spring - kSecond));
    // 2026-11-01 02:00 EDT is 06:00 UTC: back on standard exactly then.
    const Instant autumn = Utc(2026, 11, 1, 6);
    EXPECT_TRUE(IsDaylightTime(ny, autumn - kSecond));
    EXPECT_FALSE(IsDaylightTime(ny, autumn));
    EXPECT_FALSE(IsDaylightTime(ny, autumn + kSecond));
    // The wall clock jumps from 01:59:59 to 03:00:00 and falls back from 01:59:59 to 01:00:00.
    auto wall = [&](Instant utc) { return ToCivil(ZoneReadingAt(ny, utc))->hour; };
    EXPECT_EQ(wall(spring), 3);  // 02:00:00 never shows: the tz database says 03:00:00
    EXPECT_EQ(wall(spring + kSecond), 3);
    EXPECT_EQ(wall(autumn - kSecond), 1);
    EXPECT_EQ(wall(autumn), 1);
}

TEST(ZoneTime, SouthernDaylightAcrossTheTurnOfTheYear) {
    const ZoneInfo sydney = ZoneFromTzi(MakeTzi(-600, -60, kAuStd, kAuDlt));
    EXPECT_TRUE(IsDaylightTime(sydney, Utc(2026, 1, 15)));
    EXPECT_FALSE(IsDaylightTime(sydney, Utc(2026, 6, 15)));
    EXPECT_TRUE(IsDaylightTime(sydney, Utc(2026, 12, 15)));
    // 2026-04-05 03:00 AEDT = 04-04 16:00 UTC; 2026-10-04 02:00 AEST = 10-03 16:00 UTC.
    const Instant stdStart = Utc(2026, 4, 4, 16);
    const Instant dltStart = Utc(2026, 10, 3, 16);
    EXPECT_TRUE(IsDaylightTime(sydney, stdStart - kSecond));
    EXPECT_FALSE(IsDaylightTime(sydney, stdStart));
    EXPECT_TRUE(IsDaylightTime(sydney, dltStart));
    EXPECT_FALSE(IsDaylightTime(sydney, dltStart - kSecond));
}

TEST(ZoneTime, EveryYearUsesItsOwnTransitionDates) {
    // Asked about 2027: the second Sunday of March 2027 is the 14th.
    const ZoneInfo ny = ZoneFromTzi(MakeTzi(300, -60, kUsStd, kUsDlt));
    const Instant change2027 = Utc(2027, 3, 14, 7);
    EXPECT_FALSE(IsDaylightTime(ny, change2027 - 3600 * kSecond));
    EXPECT_TRUE(IsDaylightTime(ny, change2027 + kSecond));
    EXPECT_FALSE(IsDaylightTime(ny, Utc(2027, 3, 9, 12)));  // 2026's date, in 2027
    // And back again.
    EXPECT_TRUE(IsDaylightTime(ny, Utc(2026, 3, 9, 12)));
}

TEST(ZoneTime, ResultDoesNotDependOnTheComputersZone) {
    // A computer in Sydney (bias -660 in January... here -600) converts its local clock to
    // New York time right after New York's spring change.
    const ZoneInfo ny = ZoneFromTzi(MakeTzi(300, -60, kUsStd, kUsDlt));
    const DayCount sydneyLocal = FromCivil(2026, 3, 8, 18, 0, 1);  // 07:00:01 UTC with bias -660
    const Instant utc = InstantOfLocal(sydneyLocal, -660).value();
    const auto wall = ToCivil(ZoneReadingAt(ny, utc));
    EXPECT_EQ(wall->hour, 3);
    EXPECT_EQ(wall->second, 1);
}

TEST(ZoneTime, NoDaylightWhenOffsetsAreEqual) {
    ZoneInfo zone = ZoneFromTzi(MakeTzi(300, 0, kUsStd, kUsDlt));
    EXPECT_EQ(ZoneOffsetAt(zone, Utc(2026, 7, 1)), -5 * 3600);
    EXPECT_FALSE(IsDaylightTime(zone, Utc(2026, 7, 1)));
}

TEST(ZoneTime, SecondsOfLocalMeanTimeRoundToWholeMinutesOfBias) {
    EXPECT_EQ(WholeMinuteOffset(561), 540);  // Paris, +0:09:21
    EXPECT_EQ(WholeMinuteOffset(-561), -540);
    EXPECT_EQ(WholeMinuteOffset(-16068), -16080);  // -4:27:48
}

// A registry record may name a month beyond December: its date rolls into a later year. The
// changes found are still every change of the offset, in order (checked hour by hour).
TEST(ZoneTime, ChangesOfRulesWhoseDatesRollIntoLaterYears) {
    const TransitionRule rolling{255, 0, 5, 3, 0, 0};
    for (const ZoneInfo& zone :
         {ZoneFromTzi(MakeTzi(-60, -60, rolling, testing::kEuDlt)),
          ZoneFromTzi(MakeTzi(-60, -60, testing::kEuStd, {14, 0, 1, 2, 0, 0}))}) {
        const std::int64_t from = 0;
        const std::int64_t to = 6 * 365 * 86'400LL;
        std::vector<std::int64_t> scanned;
        for (std::int64_t t = from + 1800; t < to; t += 1800) {
            if (zone.rules->OffsetAt(t) != zone.rules->OffsetAt(t - 1800)) {
                std::int64_t at = t - 1800;
                while (zone.rules->OffsetAt(at) == zone.rules->OffsetAt(t - 1800)) ++at;
                scanned.push_back(at);
            }
        }
        std::vector<std::int64_t> found;
        for (const OffsetChange& change : zone.rules->ChangesBetween(from, to)) {
            found.push_back(change.at);
        }
        EXPECT_FALSE(scanned.empty());
        EXPECT_EQ(found, scanned);
    }
}

TEST(ZoneTime, PseudoZonesKeepUtc) {
    ZoneCatalogue cat;
    cat.zones.resize(10);
    FillPseudoZones(cat);
    const Instant now = Utc(2026, 12, 8, 12);
    for (int z = 0; z < 10; ++z) {
        const ZoneInfo& zone = cat.zones[static_cast<std::size_t>(z)];
        EXPECT_DOUBLE_EQ(ZoneReadingAt(zone, now), FromCivil(2026, 12, 8, 12)) << z;
        EXPECT_EQ(ZoneOffsetAt(zone, now), 0) << z;
    }
}

}  // namespace
}  // namespace horavia
