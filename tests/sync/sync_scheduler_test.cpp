#include "sync/sync_scheduler.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <random>

#include "model/setting_readers.h"

namespace horavia {
namespace {

constexpr DayCount kLast = 46000.25;  // 2025-12-09 06:00
constexpr double kMs = 1.0 / 86'400'000.0;

// One row per interval unit: the unit's length in ms and the counts either side of 3 units.
TEST(SyncScheduler, IntervalIsCountedInWholeUnits) {
    const struct {
        std::int32_t type;
        double unitMs;
    } units[] = {
        {0, 1000.0}, {1, 60'000.0}, {2, 3'600'000.0}, {3, 86'400'000.0}, {4, 7 * 86'400'000.0}};
    for (const auto& u : units) {
        const DayCount justBefore = kLast + (3 * u.unitMs - 1) * kMs;
        const DayCount exactly = kLast + 3 * u.unitMs * kMs;
        EXPECT_EQ(ElapsedIntervalUnits(u.type, kLast, justBefore), 2) << u.type;
        EXPECT_EQ(ElapsedIntervalUnits(u.type, kLast, exactly), 3) << u.type;
        EXPECT_FALSE(IsSyncDue(true, 3, u.type, kLast, justBefore)) << u.type;
        EXPECT_TRUE(IsSyncDue(true, 3, u.type, kLast, exactly)) << u.type;
        // A STLast in the future (clock set back) counts like one in the past.
        const DayCount backwards = kLast - 3 * u.unitMs * kMs;
        EXPECT_TRUE(IsSyncDue(true, 3, u.type, kLast, backwards)) << u.type;
        EXPECT_FALSE(IsSyncDue(true, 3, u.type, kLast, kLast - (3 * u.unitMs - 1) * kMs));
    }
}

TEST(SyncScheduler, ThreeHoursExample) {
    const DayCount now = kLast + 3.0 / 24.0;
    EXPECT_FALSE(IsSyncDue(true, 3, kIntervalHours, kLast, now - 1.0 / 1440.0));  // 2 h 59 min
    EXPECT_TRUE(IsSyncDue(true, 3, kIntervalHours, kLast, now));
}

TEST(SyncScheduler, SwitchesAndSpecialValues) {
    const DayCount later = kLast + 100.0;
    EXPECT_FALSE(IsSyncDue(false, 1, kIntervalSeconds, kLast, later)) << "STInt off";
    EXPECT_FALSE(IsSyncDue(false, 1, kIntervalSeconds, 0.0, later)) << "STInt off, never synced";
    EXPECT_TRUE(IsSyncDue(true, 30000, kIntervalWeeks, 0.0, kLast)) << "never synced";
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
    EXPECT_TRUE(
        IsSyncDue(true, 1, kIntervalWeeks, std::numeric_limits<double>::quiet_NaN(), kLast));
    EXPECT_TRUE(IsSyncDue(true, 1, kIntervalWeeks, -1e300, kLast));
}

TEST(SyncScheduler, UpdateTimeSyncsThenStoresTheTimeAfterwards) {
    FixedClock clock(kLast + 1.0);
    MemorySettingsStore store;
    DayCount STLast = kLast;
    int syncs = 0;
    const DayCount afterSync = kLast + 1.0 + 2.5 / 86400.0;  // the sync took 2.5 s
    auto sync = [&](const std::function<void()>& finished) {
        ++syncs;
        clock.Set(afterSync);
        EXPECT_EQ(STLast, kLast) << "STLast is written only once the sync is over";
        finished();
    };

    EXPECT_FALSE(UpdateTime(true, 2, kIntervalDays, STLast, sync, clock, store));
    EXPECT_EQ(syncs, 0);
    EXPECT_EQ(store.Size(), 0u);

    EXPECT_TRUE(UpdateTime(true, 1, kIntervalDays, STLast, sync, clock, store));
    EXPECT_EQ(syncs, 1);
    EXPECT_EQ(STLast, afterSync);
    const std::string text = store.Get("STLast", "");
    EXPECT_EQ(std::strtod(text.c_str(), nullptr), afterSync) << text;

    // Right after, the interval has not passed again.
    EXPECT_FALSE(UpdateTime(true, 1, kIntervalDays, STLast, sync, clock, store));
    EXPECT_EQ(syncs, 1);
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
