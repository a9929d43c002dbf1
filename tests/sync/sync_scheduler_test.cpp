#include "sync/sync_scheduler.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <optional>
#include <random>

#include "model/setting_readers.h"
#include "platform/system_time.h"

namespace horavia {
namespace {

using std::chrono::milliseconds;

const Instant kLast = *InstantOfLocal(46000.25, 0);  // 2025-12-09 06:00 UTC

// One row per interval unit: the unit's length in ms and the counts either side of 3 units.
TEST(SyncScheduler, IntervalIsCountedInWholeUnits) {
    const struct {
        std::int32_t type;
        std::int64_t unitMs;
    } units[] = {{0, 1000}, {1, 60'000}, {2, 3'600'000}, {3, 86'400'000}, {4, 7 * 86'400'000LL}};
    for (const auto& u : units) {
        const Instant justBefore = kLast + milliseconds(3 * u.unitMs - 1);
        const Instant exactly = kLast + milliseconds(3 * u.unitMs);
        EXPECT_EQ(ElapsedIntervalUnits(u.type, kLast, justBefore), 2) << u.type;
        EXPECT_EQ(ElapsedIntervalUnits(u.type, kLast, exactly), 3) << u.type;
        EXPECT_FALSE(IsSyncDue(true, 3, u.type, kLast, justBefore)) << u.type;
        EXPECT_TRUE(IsSyncDue(true, 3, u.type, kLast, exactly)) << u.type;
        // A STLast in the future (clock set back) counts like one in the past.
        const Instant backwards = kLast - milliseconds(3 * u.unitMs);
        EXPECT_TRUE(IsSyncDue(true, 3, u.type, kLast, backwards)) << u.type;
        EXPECT_FALSE(IsSyncDue(true, 3, u.type, kLast, kLast - milliseconds(3 * u.unitMs - 1)));
    }
}

TEST(SyncScheduler, ThreeHoursExample) {
    const Instant now = kLast + std::chrono::hours(3);
    EXPECT_FALSE(IsSyncDue(true, 3, kIntervalHours, kLast, now - std::chrono::minutes(1)));
    EXPECT_TRUE(IsSyncDue(true, 3, kIntervalHours, kLast, now));
}

TEST(SyncScheduler, SwitchesAndSpecialValues) {
    const Instant later = kLast + std::chrono::days(100);
    EXPECT_FALSE(IsSyncDue(false, 1, kIntervalSeconds, kLast, later)) << "STInt off";
    EXPECT_FALSE(IsSyncDue(false, 1, kIntervalSeconds, std::nullopt, later))
        << "STInt off, never synced";
    FixedClock clock(46000.25);
    FixedLocalZone zone;
    EXPECT_FALSE(IsSyncDueNow(false, 1, kIntervalSeconds, 0.0, clock, zone));
    EXPECT_TRUE(IsSyncDue(true, 30000, kIntervalWeeks, std::nullopt, kLast)) << "never synced";
    EXPECT_TRUE(IsSyncDueNow(true, 30000, kIntervalWeeks, 0.0, clock, zone)) << "never synced";
    // Unknown units count 0: due only for an interval of 0 or less.
    for (std::int32_t type : {-1, 5, 99}) {
        EXPECT_EQ(ElapsedIntervalUnits(type, kLast, later), 0) << type;
        EXPECT_FALSE(IsSyncDue(true, 1, type, kLast, later)) << type;
        EXPECT_TRUE(IsSyncDue(true, 0, type, kLast, later)) << type;
    }
    // An interval of 0 or less: due on every tick, even in the same millisecond.
    EXPECT_TRUE(IsSyncDue(true, 0, kIntervalDays, kLast, kLast));
    EXPECT_TRUE(IsSyncDue(true, -5, kIntervalDays, kLast, kLast));
    // A corrupt STLast never blocks the schedule.
    for (const double corrupt : {std::numeric_limits<double>::quiet_NaN(), -1e300, 1e300}) {
        EXPECT_EQ(LastSyncInstant(corrupt, kLast, zone), std::nullopt) << corrupt;
        EXPECT_TRUE(IsSyncDueNow(true, 1, kIntervalWeeks, corrupt, clock, zone)) << corrupt;
    }
}

TEST(SyncScheduler, UpdateTimeSyncsThenStoresTheTimeAfterwards) {
    FixedClock clock(46001.25);
    FixedLocalZone zone;
    MemorySettingsStore store;
    DayCount STLast = 46000.25;
    int syncs = 0;
    const DayCount afterSync = FromCivil(2025, 12, 10, 6, 0, 2, 500);  // the sync took 2.5 s
    auto sync = [&](const std::function<void()>& finished) {
        ++syncs;
        clock.Set(afterSync);
        EXPECT_EQ(STLast, 46000.25) << "STLast is written only once the sync is over";
        finished();
    };

    EXPECT_FALSE(UpdateTime(true, 2, kIntervalDays, STLast, sync, clock, zone, store));
    EXPECT_EQ(syncs, 0);
    EXPECT_EQ(store.Size(), 0u);

    EXPECT_TRUE(UpdateTime(true, 1, kIntervalDays, STLast, sync, clock, zone, store));
    EXPECT_EQ(syncs, 1);
    EXPECT_EQ(STLast, afterSync);
    const std::string text = store.Get("STLast", "");
    EXPECT_EQ(std::strtod(text.c_str(), nullptr), afterSync) << text;

    // Right after, the interval has not passed again.
    EXPECT_FALSE(UpdateTime(true, 1, kIntervalDays, STLast, sync, clock, zone, store));
    EXPECT_EQ(syncs, 1);
}

// The computer's zone for one test (TZ, honoured by the system zone), restored afterwards.
class NewYork : public testing::Test {
  protected:
    void SetUp() override {
        if (const char* tz = std::getenv("TZ")) saved_ = tz;
        setenv("TZ", "America/New_York", 1);
    }
    void TearDown() override {
        if (saved_) {
            setenv("TZ", saved_->c_str(), 1);
        } else {
            unsetenv("TZ");
        }
    }

    // Runs the schedule at a UTC time on 2026-03-08 (spring forward at 07:00 UTC, 02:00 EST
    // to 03:00 EDT) or 2026-11-01 (fall back at 06:00 UTC, 02:00 EDT to 01:00 EST).
    bool RunAt(int month, int hour, int minute, int ms = 0) {
        clock.SetUtc(
            *InstantOfLocal(FromCivil(2026, month, month == 3 ? 8 : 1, hour, minute, 0, ms), 0));
        return UpdateTime(
            true, number, type, STLast, [](const std::function<void()>& finished) { finished(); },
            clock, zone, store);
    }

    SystemLocalZone zone;
    FixedClock clock;
    MemorySettingsStore store;
    DayCount STLast = 0;
    std::int32_t number = 1;
    std::int32_t type = kIntervalHours;

  private:
    std::optional<std::string> saved_;
};

// The interval is real time: a change of the zone's offset between two synchronisations
// neither shortens nor stretches it, and STLast keeps the local reading.
TEST_F(NewYork, ScheduleCountsRealTimeAcrossSpringForward) {
    ASSERT_TRUE(RunAt(3, 6, 30));  // 01:30 EST
    EXPECT_EQ(STLast, FromCivil(2026, 3, 8, 1, 30));
    EXPECT_FALSE(RunAt(3, 7, 0));  // 03:00 EDT: an hour and a half on the wall, half an hour real
    EXPECT_FALSE(RunAt(3, 7, 29, 59'999));
    ASSERT_TRUE(RunAt(3, 7, 30));  // 03:30 EDT
    EXPECT_EQ(STLast, FromCivil(2026, 3, 8, 3, 30));
    EXPECT_EQ(store.Get("STLast", ""), DayCountSettingText(FromCivil(2026, 3, 8, 3, 30)));
}

TEST_F(NewYork, ScheduleCountsRealTimeAcrossFallBack) {
    number = 2;
    ASSERT_TRUE(RunAt(11, 4, 30));  // 00:30 EDT
    EXPECT_FALSE(RunAt(11, 6, 29, 59'999));
    ASSERT_TRUE(RunAt(11, 6, 30));  // 01:30 EST, the second pass: one hour on the wall
    EXPECT_EQ(STLast, FromCivil(2026, 11, 1, 1, 30));
    EXPECT_FALSE(RunAt(11, 8, 29, 59'999));
    EXPECT_TRUE(RunAt(11, 8, 30));
}

// Synchronisations inside the repeated hour, every ten minutes: a reading of the first pass is
// the first pass while the second is still to come, so the schedule neither runs on every tick
// nor waits an extra hour.
TEST_F(NewYork, RepeatedHourKeepsATenMinuteSchedule) {
    number = 10;
    type = kIntervalMinutes;
    ASSERT_TRUE(RunAt(11, 5, 10));  // 01:10 EDT
    EXPECT_FALSE(RunAt(11, 5, 11));
    EXPECT_FALSE(RunAt(11, 5, 19, 59'999));
    ASSERT_TRUE(RunAt(11, 5, 20));
    ASSERT_TRUE(RunAt(11, 6, 10));  // 01:10 EST, the second pass
    EXPECT_FALSE(RunAt(11, 6, 19, 59'999));
    EXPECT_TRUE(RunAt(11, 6, 20));
}

TEST(SyncScheduler, StoredTextUsesAPointAndReadsBackExactly) {
    EXPECT_EQ(DayCountSettingText(0.0), "0");
    EXPECT_EQ(DayCountSettingText(46000.5), "46000.5");
    EXPECT_EQ(DayCountSettingText(-1.25), "-1.25");
    EXPECT_EQ(DayCountSettingText(std::numeric_limits<double>::infinity()), "0");
    // A locale with a decimal comma must not leak into the stored text.
    const bool german = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    EXPECT_EQ(DayCountSettingText(46000.75), "46000.75");
    std::setlocale(LC_ALL, "C");
    if (!german) std::cout << "(de_DE locale not installed; decimal comma not exercised)\n";

    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> days(1.0, 80000.0);
    for (int i = 0; i < 1000; ++i) {
        const double value = days(random);
        const std::string text = DayCountSettingText(value);
        EXPECT_EQ(text.find_first_of("eE,"), std::string::npos) << text;
        EXPECT_EQ(std::strtod(text.c_str(), nullptr), value) << text;
    }
}

}  // namespace
}  // namespace horavia
