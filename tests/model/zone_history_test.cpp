// Zone time from a zone's history: the changes of the instant's own year, the new offset from
// the very instant of a change on, and reading a clock time back in the converter.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <utility>
#include <vector>

#include "model/time_conversion.h"
#include "model/zone_catalogue_loader.h"
#include "model/zone_time.h"
#include "tzi_builder.h"

namespace horavia {
namespace {

constexpr double kSecond = 1.0 / 86400.0;

Instant At(DayCount utc) {
    return InstantOfLocal(utc, 0).value();
}

std::int64_t SecondsAt(DayCount utc) {
    return UnixMsOf(At(utc)) / 1000;
}

// A year of a zone's history: the bias on 1 January 00:00 UTC and each change (UTC instant,
// bias after it), in minutes west as the tests state them.
struct YearChanges {
    std::int32_t biasAtStart = 0;
    std::vector<std::pair<DayCount, std::int32_t>> changes;
};

// Rules given year by year; years not listed keep one offset, `plainBias`. A year's periods
// of a bias below its highest count as daylight time.
class FakeRules : public ZoneRules {
  public:
    FakeRules(std::int32_t plainBias, const std::map<int, YearChanges>& years) {
        segments_.push_back({std::numeric_limits<std::int64_t>::min(), plainBias, false});
        for (const auto& [year, changes] : years) {
            std::int32_t highest = changes.biasAtStart;
            for (const auto& change : changes.changes) highest = std::max(highest, change.second);
            Add(SecondsAt(FromCivil(year, 1, 1)), changes.biasAtStart, highest);
            for (const auto& [at, bias] : changes.changes) Add(SecondsAt(at), bias, highest);
            if (!years.contains(year + 1))
                Add(SecondsAt(FromCivil(year + 1, 1, 1)), plainBias, plainBias);
        }
    }
    ZoneState StateAt(std::int64_t t) const override {
        const Segment& s = *std::prev(std::upper_bound(
            segments_.begin() + 1, segments_.end(), t,
            [](std::int64_t at, const Segment& segment) { return at < segment.from; }));
        return {-s.bias * 60, s.daylight, {}};
    }
    std::optional<OffsetChange> NextChange(std::int64_t after) const override {
        for (std::size_t k = 1; k < segments_.size(); ++k) {
            if (segments_[k].from > after && segments_[k].bias != segments_[k - 1].bias)
                return OffsetChange{segments_[k].from, -segments_[k - 1].bias * 60,
                                    -segments_[k].bias * 60};
        }
        return std::nullopt;
    }

  private:
    struct Segment {
        std::int64_t from;
        std::int32_t bias;
        bool daylight;
    };
    void Add(std::int64_t from, std::int32_t bias, std::int32_t highest) {
        if (segments_.back().bias == bias && segments_.back().daylight == (bias < highest)) return;
        segments_.push_back({from, bias, bias < highest});
    }
    std::vector<Segment> segments_;
};

struct Zone {
    ZoneInfo info;
};

// A zone with the given history.
Zone WithHistory(std::int32_t plainBias, std::map<int, YearChanges> years) {
    Zone zone;
    zone.info.rules = std::make_shared<FakeRules>(plainBias, years);
    return zone;
}

struct InstantCase {
    const char* what;
    DayCount utc;
    std::int32_t bias;
};

void ExpectBiases(const ZoneInfo& zone, const std::vector<InstantCase>& cases) {
    for (const InstantCase& c : cases)
        EXPECT_EQ(ZoneOffsetAt(zone, At(c.utc)), -c.bias * 60) << c.what;
}

TEST(ZoneHistoryTime, ADaylightPeriodWithinTheYearTakesEachNewOffsetAtItsInstant) {
    const DayCount on = FromCivil(2040, 3, 11, 5);
    const DayCount off = FromCivil(2040, 11, 4, 4);
    const Zone zone = WithHistory(180, {{2040, {180, {{on, 120}, {off, 180}}}}});
    ExpectBiases(zone.info, {{"before", on - kSecond, 180},
                             {"at the start", on, 120},
                             {"after the start", on + kSecond, 120},
                             {"before the end", off - kSecond, 120},
                             {"at the end", off, 180},
                             {"after", off + kSecond, 180}});
    EXPECT_FALSE(IsDaylightTime(zone.info, At(on - kSecond)));
    EXPECT_TRUE(IsDaylightTime(zone.info, At(on)));
    EXPECT_NEAR(ZoneReadingAt(zone.info, At(on + kSecond)), on + kSecond - 120 / 1440.0, 1e-9);
}

TEST(ZoneHistoryTime, ADaylightPeriodAcrossNewYearTakesEachNewOffsetAtItsInstant) {
    const DayCount off = FromCivil(2040, 3, 31, 15);
    const DayCount on = FromCivil(2040, 10, 6, 15, 30);
    const Zone zone = WithHistory(-660, {{2040, {-660, {{off, -630}, {on, -660}}}}});
    ExpectBiases(zone.info, {{"before the end", off - kSecond, -660},
                             {"at the end", off, -630},
                             {"after the end", off + kSecond, -630},
                             {"at the start", on, -660},
                             {"before the start", on - kSecond, -630}});
    EXPECT_TRUE(IsDaylightTime(zone.info, At(off - kSecond)));
    EXPECT_FALSE(IsDaylightTime(zone.info, At(off)));
}

TEST(ZoneHistoryTime, YearsWithSeveralChangesAndOffsets) {
    // Two periods of Ramadan time in one year, each change at its own instant.
    const DayCount r1 = FromCivil(2029, 1, 14, 2);
    const DayCount r2 = FromCivil(2029, 2, 18, 2);
    const DayCount r3 = FromCivil(2029, 12, 30, 2);
    const Zone morocco = WithHistory(-60, {{2029, {-60, {{r1, 0}, {r2, -60}, {r3, 0}}}}});
    ExpectBiases(morocco.info, {{"January", FromCivil(2029, 1, 5), -60},
                                {"at the first", r1, 0},
                                {"Ramadan", r1 + kSecond, 0},
                                {"at the second", r2, -60},
                                {"before the second", r2 - kSecond, 0},
                                {"at the third", r3, 0},
                                {"after the third", r3 + kSecond, 0}});
    // UTC+2, +3 and +4 in one year.
    const DayCount c1 = FromCivil(1992, 1, 19, 0);
    const DayCount c2 = FromCivil(1992, 3, 28, 23);
    const DayCount c3 = FromCivil(1992, 9, 26, 23);
    const Zone moscow = WithHistory(-180, {{1992, {-120, {{c1, -180}, {c2, -240}, {c3, -180}}}}});
    ExpectBiases(moscow.info, {{"before the first", c1 - kSecond, -120},
                               {"at the first", c1, -180},
                               {"at the second", c2, -240},
                               {"summer", c2 + kSecond, -240},
                               {"at the third", c3, -180},
                               {"autumn", c3 + kSecond, -180}});
    EXPECT_TRUE(IsDaylightTime(moscow.info, At(c2 + kSecond)));
    EXPECT_FALSE(IsDaylightTime(moscow.info, At(FromCivil(1992, 1, 2))));
}

TEST(ZoneHistoryTime, EachInstantTakesTheOffsetOfItsOwnYear) {
    const Zone zone = WithHistory(0, {{2041, {-60, {}}}});
    EXPECT_EQ(ZoneOffsetAt(zone.info, At(FromCivil(2040, 12, 31, 23, 59, 59))), 0);
    EXPECT_EQ(ZoneOffsetAt(zone.info, At(FromCivil(2041, 1, 1))), 3600);
    // Readings no instant can have are refused.
    for (int year :
         {std::numeric_limits<int>::min(), -10000, 20000, std::numeric_limits<int>::max()}) {
        EXPECT_FALSE(LookUpZoneTime(zone.info, CivilTime{year, 1, 1})) << year;
    }
}

TEST(ZoneHistoryTime, ReadingsAreTakenWithTheOffsetOfTheirMoment) {
    const DayCount on = FromCivil(2040, 3, 11, 5);   // 02:00 -> 03:00 local
    const DayCount off = FromCivil(2040, 11, 4, 4);  // 02:00 -> 01:00 local
    const Zone zone = WithHistory(180, {{2040, {180, {{on, 120}, {off, 180}}}}});
    struct ReadingCase {
        const char* what;
        CivilTime local;
        std::int32_t bias;
    };
    for (const ReadingCase& c : std::vector<ReadingCase>{
             {"winter", {2040, 2, 1, 12}, 180},
             {"skipped: the offset before the change", {2040, 3, 11, 2, 30}, 180},
             {"the first daylight reading", {2040, 3, 11, 3, 0}, 120},
             {"summer", {2040, 3, 11, 3, 30}, 120},
             {"twice: the earlier", {2040, 11, 4, 1, 30}, 120},
             {"after", {2040, 11, 4, 2, 30}, 180},
             {"another year keeps one offset", {2045, 7, 1, 12}, 180},
             {"before 1970", {1969, 12, 31, 23, 59, 59, 500}, 180},
             {"before 1899-12-30", {1899, 12, 29, 6, 0, 0, 250}, 180},
         }) {
        EXPECT_EQ(InstantOfReading(zone.info, c.local), InstantOfLocal(FromCivil(c.local), c.bias))
            << c.what;
    }
    EXPECT_FALSE(InstantOfReading(zone.info, CivilTime{20000, 1, 1})) << "beyond the calendar";
}

// Readings one second either side of each change, for a zone whose clocks go forward from
// 02:00 to 03:00 at the instant `spring` and back from 02:00 to 01:00 at `autumn` (UTC).
void ExpectLookupsAroundTheChanges(const ZoneInfo& zone, DayCount spring, DayCount autumn) {
    using Kind = LocalTimeLookup::Kind;
    constexpr int kHour = 3600;
    struct LookupCase {
        const char* what;
        DayCount change;
        int hour, minute, second;
        Kind kind;
        int pre, post;  // seconds from the change
    };
    for (const LookupCase& c : std::vector<LookupCase>{
             {"before the clocks go forward", spring, 1, 59, 59, Kind::Unique, -1, -1},
             {"the first skipped reading", spring, 2, 0, 0, Kind::Skipped, 0, -kHour},
             {"the last skipped reading", spring, 2, 59, 59, Kind::Skipped, kHour - 1, -1},
             {"the first daylight reading", spring, 3, 0, 0, Kind::Unique, 0, 0},
             {"before the repeated hour", autumn, 0, 59, 59, Kind::Unique, -kHour - 1, -kHour - 1},
             {"the first repeated reading", autumn, 1, 0, 0, Kind::Repeated, -kHour, 0},
             {"the last repeated reading", autumn, 1, 59, 59, Kind::Repeated, -1, kHour - 1},
             {"after the repeated hour", autumn, 2, 0, 0, Kind::Unique, kHour, kHour},
         }) {
        const CivilTime day = ToCivil(c.change).value();
        const auto lookup = LookUpZoneTime(
            zone, CivilTime{day.year, day.month, day.day, c.hour, c.minute, c.second});
        ASSERT_TRUE(lookup) << c.what;
        const std::int64_t change = UnixMsOf(InstantOfLocal(c.change, 0).value());
        EXPECT_EQ(lookup->kind, c.kind) << c.what;
        EXPECT_EQ(UnixMsOf(lookup->pre), change + c.pre * 1000) << c.what;
        EXPECT_EQ(UnixMsOf(lookup->post), change + c.post * 1000) << c.what;
    }
}

TEST(ZoneLookup, ReadingsAroundTheChangesOfAYearlyRuleAndOfAHistory) {
    ZoneInfo newYork;
    ApplyTzi(newYork, testing::MakeTzi(300, -60, testing::kUsStd, testing::kUsDlt));
    ExpectLookupsAroundTheChanges(newYork, FromCivil(2026, 3, 8, 7), FromCivil(2026, 11, 1, 6));
    const DayCount on = FromCivil(2040, 3, 11, 5);
    const DayCount off = FromCivil(2040, 11, 4, 4);
    const Zone zone = WithHistory(180, {{2040, {180, {{on, 120}, {off, 180}}}}});
    ExpectLookupsAroundTheChanges(zone.info, on, off);
    EXPECT_FALSE(LookUpZoneTime(zone.info, CivilTime{-10000, 12, 31, 23, 59, 59}));
}

}  // namespace
}  // namespace horavia
