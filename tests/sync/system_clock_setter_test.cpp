// The real backends would change this machine's clock: every test here injects fakes.
#include "platform/linux/system_clock_setter.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace horavia {
namespace {

struct Recorder {
    bool accept = false;
    std::vector<std::int64_t> calls;
    LinuxSystemClockSetter::Backend Backend() {
        return [this](std::int64_t usec) {
            calls.push_back(usec);
            return accept;
        };
    }
};

constexpr DayCount kLocalNoon = kUnixEpochDay + 20000.5;  // 2024-10-04 12:00 local
constexpr std::int64_t kDayUs = 86'400'000'000;

TEST(SystemClockSetter, ConvertsLocalTimeWithTheCurrentBias) {
    EXPECT_EQ(UtcMicrosecondsFromLocal(kLocalNoon, 0), 20000 * kDayUs + kDayUs / 2);
    EXPECT_EQ(UtcMicrosecondsFromLocal(kLocalNoon, -120),
              20000 * kDayUs + kDayUs / 2 - 7'200'000'000);
    EXPECT_EQ(UtcMicrosecondsFromLocal(kUnixEpochDay + 0.25 / 86400.0, 0), 250'000);

    FixedLocalZone zone(LocalZoneState{-60, true});
    Recorder timedated;
    timedated.accept = true;
    Recorder settime;
    LinuxSystemClockSetter setter(zone, timedated.Backend(), settime.Backend());
    EXPECT_TRUE(setter.SetLocalDateTime(kLocalNoon));
    zone.Set(LocalZoneState{60, false});
    EXPECT_TRUE(setter.SetLocalDateTime(kLocalNoon));
    EXPECT_EQ(timedated.calls,
              (std::vector<std::int64_t>{20000 * kDayUs + kDayUs / 2 - 3'600'000'000,
                                         20000 * kDayUs + kDayUs / 2 + 3'600'000'000}));
    EXPECT_TRUE(settime.calls.empty()) << "timedated accepted: no second way";
}

TEST(SystemClockSetter, FallsBackToClockSettimeThenReportsRefusal) {
    FixedLocalZone zone;
    Recorder timedated;
    Recorder settime;
    settime.accept = true;
    LinuxSystemClockSetter setter(zone, timedated.Backend(), settime.Backend());
    EXPECT_TRUE(setter.SetLocalDateTime(kLocalNoon));
    EXPECT_EQ(timedated.calls.size(), 1u);
    EXPECT_EQ(settime.calls, timedated.calls);

    settime.accept = false;
    EXPECT_FALSE(setter.SetLocalDateTime(kLocalNoon));
    EXPECT_EQ(settime.calls.size(), 2u);
}

TEST(SystemClockSetter, ImpossibleTimesAreRefusedWithoutTouchingTheClock) {
    FixedLocalZone zone;
    Recorder timedated;
    Recorder settime;
    timedated.accept = settime.accept = true;
    LinuxSystemClockSetter setter(zone, timedated.Backend(), settime.Backend());
    EXPECT_FALSE(setter.SetLocalDateTime(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(setter.SetLocalDateTime(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(setter.SetLocalDateTime(1e12));
    EXPECT_FALSE(setter.SetLocalDateTime(2.0));  // 1900: before the system clock's epoch
    EXPECT_TRUE(timedated.calls.empty());
    EXPECT_TRUE(settime.calls.empty());
}

}  // namespace
}  // namespace horavia
