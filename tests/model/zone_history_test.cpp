// Zone time from a zone's history: the changes of the instant's own year, the new offset from
// the very instant of a change on, and reading a clock time back in the converter.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "model/time_conversion.h"
#include "model/zone_catalogue_loader.h"
#include "model/zone_time.h"
#include "tzi_builder.h"

namespace horavia {
namespace {

constexpr double kSecond = 1.0 / 86400.0;

// A history given year by year; years not listed keep one offset, `plainBias`.
class FakeHistory : public ZoneHistory {
  public:
    explicit FakeHistory(std::int32_t plainBias) : plainBias_(plainBias) {}
    void Set(int year, YearChanges changes) { years_[year] = std::move(changes); }
    std::shared_ptr<const YearChanges> ChangesOfYear(int year) const override {
        ++calls;
        const auto found = years_.find(year);
        if (found != years_.end()) return std::make_shared<YearChanges>(found->second);
        return std::make_shared<YearChanges>(YearChanges{plainBias_, {}});
    }
    mutable int calls = 0;

  private:
    std::int32_t plainBias_;
    std::map<int, YearChanges> years_;
};

struct Zone {
    std::shared_ptr<FakeHistory> history;
    ZoneInfo info;
};

// A zone whose yearly record says "UTC-5, no daylight time", with the given history.
Zone WithHistory(std::int32_t plainBias, std::map<int, YearChanges> years) {
    Zone zone{std::make_shared<FakeHistory>(plainBias), {}};
    for (auto& [year, changes] : years) zone.history->Set(year, std::move(changes));
    ApplyTzi(zone.info, testing::MakeTzi(300), 2026);
    zone.info.history = zone.history;
    return zone;
}

struct InstantCase {
    const char* what;
    DayCount utc;
    std::int32_t bias;
};

void ExpectBiases(const ZoneInfo& zone, const std::vector<InstantCase>& cases) {
    for (const InstantCase& c : cases) EXPECT_EQ(ZoneOffsetAt(zone, c.utc), c.bias) << c.what;
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
    EXPECT_FALSE(IsDaylightTime(zone.info, on - kSecond));
    EXPECT_TRUE(IsDaylightTime(zone.info, on));
    // The yearly record (UTC-5, no daylight time) no longer decides.
    EXPECT_EQ(ZoneTimeFromUtc(zone.info, on + kSecond), on + kSecond - 120 / 1440.0);
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
    EXPECT_TRUE(IsDaylightTime(zone.info, off - kSecond));
    EXPECT_FALSE(IsDaylightTime(zone.info, off));
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
    EXPECT_TRUE(IsDaylightTime(moscow.info, c2 + kSecond));
    EXPECT_FALSE(IsDaylightTime(moscow.info, FromCivil(1992, 1, 2)));
}

TEST(ZoneHistoryTime, EachInstantAsksForItsOwnUtcYear) {
    const Zone zone = WithHistory(0, {{2041, {-60, {}}}});
    EXPECT_EQ(ZoneOffsetAt(zone.info, FromCivil(2040, 12, 31, 23, 59, 59)), 0);
    EXPECT_EQ(ZoneOffsetAt(zone.info, FromCivil(2041, 1, 1)), -60);
    // Instants the history cannot be asked about keep to the yearly record.
    zone.history->calls = 0;
    const DayCount odd[] = {NAN, INFINITY, -1e300, 1e300, FromCivil(10000, 1, 1), -693594.0};
    for (DayCount utc : odd) {
        EXPECT_EQ(ZoneOffsetAt(zone.info, utc), 300) << utc;
    }
    EXPECT_EQ(zone.history->calls, 0);
}

TEST(ZoneHistoryTime, ReadingsAreTakenWithTheOffsetOfTheirMoment) {
    const DayCount on = FromCivil(2040, 3, 11, 5);   // 02:00 -> 03:00 local
    const DayCount off = FromCivil(2040, 11, 4, 4);  // 02:00 -> 01:00 local
    const Zone zone = WithHistory(180, {{2040, {180, {{on, 120}, {off, 180}}}}});
    struct ReadingCase {
        const char* what;
        DayCount local;
        std::int32_t bias;
    };
    for (const ReadingCase& c : std::vector<ReadingCase>{
             {"winter", FromCivil(2040, 2, 1, 12), 180},
             {"skipped: the offset before the change", FromCivil(2040, 3, 11, 2, 30), 180},
             {"the first daylight reading", FromCivil(2040, 3, 11, 3, 0), 120},
             {"summer", FromCivil(2040, 3, 11, 3, 30), 120},
             {"twice: the earlier", FromCivil(2040, 11, 4, 1, 30), 120},
             {"after", FromCivil(2040, 11, 4, 2, 30), 180},
             {"another year keeps one offset", FromCivil(2045, 7, 1, 12), 180},
         }) {
        EXPECT_EQ(InstantOfReading(zone.info, c.local), InstantOfLocal(c.local, c.bias)) << c.what;
    }
    EXPECT_FALSE(InstantOfReading(zone.info, NAN)) << "not a number";
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
            zone, FromCivil(day.year, day.month, day.day, c.hour, c.minute, c.second));
        ASSERT_TRUE(lookup) << c.what;
        const std::int64_t change = UnixMsOf(InstantOfLocal(c.change, 0).value());
        EXPECT_EQ(lookup->kind, c.kind) << c.what;
        EXPECT_EQ(UnixMsOf(lookup->pre), change + c.pre * 1000) << c.what;
        EXPECT_EQ(UnixMsOf(lookup->post), change + c.post * 1000) << c.what;
    }
}

TEST(ZoneLookup, ReadingsAroundTheChangesOfAYearlyRuleAndOfAHistory) {
    ZoneInfo newYork;
    ApplyTzi(newYork, testing::MakeTzi(300, -60, testing::kUsStd, testing::kUsDlt), 2026);
    ExpectLookupsAroundTheChanges(newYork, FromCivil(2026, 3, 8, 7), FromCivil(2026, 11, 1, 6));
    const DayCount on = FromCivil(2040, 3, 11, 5);
    const DayCount off = FromCivil(2040, 11, 4, 4);
    const Zone zone = WithHistory(180, {{2040, {180, {{on, 120}, {off, 180}}}}});
    ExpectLookupsAroundTheChanges(zone.info, on, off);
    EXPECT_FALSE(LookUpZoneTime(zone.info, INFINITY));
}

}  // namespace
}  // namespace horavia
