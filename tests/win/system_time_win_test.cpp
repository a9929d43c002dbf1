// The computer's clock and zone, and the clock setting, on Windows.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

#include "model/zone_time.h"
#include "platform/system_time.h"
#include "platform/win/system_clock_setter_win.h"

namespace horavia {
namespace {

double MinutesBetween(const SYSTEMTIME& a, const SYSTEMTIME& b) {
    FILETIME fa{};
    FILETIME fb{};
    SystemTimeToFileTime(&a, &fa);
    SystemTimeToFileTime(&b, &fb);
    auto ticks = [](const FILETIME& f) {
        return static_cast<double>((static_cast<ULONGLONG>(f.dwHighDateTime) << 32) |
                                   f.dwLowDateTime);
    };
    return (ticks(fa) - ticks(fb)) / 600'000'000.0;
}

// The offset the system applies now, measured as UTC minus local time; the run's TZ chooses
// the zone (Wine follows the host's). HORAVIA_EXPECT_STANDARD_BIAS names the zone's standard
// offset when the test run sets one.
TEST(LocalZone, BiasAndDaylightFlagAreThoseTheSystemAppliesNow) {
    SYSTEMTIME utc{};
    SYSTEMTIME local{};
    GetSystemTime(&utc);
    GetLocalTime(&local);
    SystemLocalZone zone;
    SystemClock clock;
    const ZoneState state = StateOn(zone.Rules().get(), clock.NowUtc());
    const std::int32_t bias = -WholeMinuteOffset(state.offset) / 60;
    EXPECT_EQ(bias, static_cast<std::int32_t>(std::lround(MinutesBetween(utc, local))));
    if (const char* standard = std::getenv("HORAVIA_EXPECT_STANDARD_BIAS")) {
        EXPECT_EQ(state.isDst, bias != std::atoi(standard)) << bias;
    }

    const DayCount now = clock.NowLocal();
    GetLocalTime(&local);
    const DayCount expected = FromCivil(local.wYear, local.wMonth, local.wDay, local.wHour,
                                        local.wMinute, local.wSecond, local.wMilliseconds);
    EXPECT_NEAR(now, expected, 2.0 / 86400.0);

    // The instant and the zone's timeline give the clock's local reading.
    EXPECT_NEAR(zone.ReadingAt(clock.NowUtc()), clock.NowLocal(), 2.0 / 86400.0);
}

// Local wall times read back as instants, against Python's zoneinfo (fold=0 / fold=1 of
// 2026-03-29 02:30 and 2026-10-25 02:30 in Europe/Berlin). Runs where TZ names that zone.
TEST(ZoneLookup, SkippedAndRepeatedWallTimesInBerlin) {
    const char* tz = std::getenv("TZ");
    if (tz == nullptr || std::string(tz) != "Europe/Berlin") GTEST_SKIP() << "TZ is not Berlin";
    SystemLocalZone zone;
    const auto skipped = zone.LookUp(FromCivil(2026, 3, 29, 2, 30));
    ASSERT_TRUE(skipped);
    EXPECT_EQ(skipped->kind, LocalTimeLookup::Kind::Skipped);
    EXPECT_EQ(UnixMsOf(skipped->pre), 1774747800000);
    EXPECT_EQ(UnixMsOf(skipped->post), 1774744200000);
    const auto repeated = zone.LookUp(FromCivil(2026, 10, 25, 2, 30));
    ASSERT_TRUE(repeated);
    EXPECT_EQ(repeated->kind, LocalTimeLookup::Kind::Repeated);
    EXPECT_EQ(UnixMsOf(repeated->pre), 1792888200000);
    EXPECT_EQ(UnixMsOf(repeated->post), 1792891800000);
    const auto summer = zone.LookUp(FromCivil(2026, 10, 25, 1, 59, 59, 999));
    ASSERT_TRUE(summer);
    EXPECT_EQ(summer->kind, LocalTimeLookup::Kind::Unique);
    EXPECT_EQ(UnixMsOf(summer->pre), 1792886399999);
    EXPECT_TRUE(StateOn(zone.Rules().get(), summer->pre).isDst);
    EXPECT_FALSE(StateOn(zone.Rules().get(), repeated->post).isDst);
}

TEST(ClockSetter, SetsTheSystemTimeToTheUtcInstant) {
    EXPECT_FALSE(SystemTimeFromUtc(InstantOfLocal(FromCivil(1600, 12, 31, 23, 59, 59), 0).value()));
    EXPECT_TRUE(SystemTimeFromUtc(InstantOfLocal(FromCivil(1601, 1, 1), 0).value()));
    std::optional<SYSTEMTIME> set;
    WinSystemClockSetter setter([&](const SYSTEMTIME& utc) {
        set = utc;
        return ClockSetResult::Set;
    });
    // 2026-03-29 00:30:15.250 at UTC+1; the result comes at once.
    std::optional<ClockSetResult> result;
    setter.SetTime(InstantOfLocal(FromCivil(2026, 3, 29, 0, 30, 15, 250), -60).value(),
                   ClockSetPrompt::Never, [&](ClockSetResult r) { result = r; });
    ASSERT_EQ(result, ClockSetResult::Set);
    ASSERT_TRUE(set);
    EXPECT_EQ(set->wYear, 2026);
    EXPECT_EQ(set->wMonth, 3);
    EXPECT_EQ(set->wDay, 28);
    EXPECT_EQ(set->wDayOfWeek, 6);  // Saturday
    EXPECT_EQ(set->wHour, 23);
    EXPECT_EQ(set->wMinute, 30);
    EXPECT_EQ(set->wSecond, 15);
    EXPECT_EQ(set->wMilliseconds, 250);
}

}  // namespace
}  // namespace horavia
