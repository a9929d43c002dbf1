// The real backends would change this machine's clock: every test here injects fakes.
#include "platform/linux/system_clock_setter.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace horavia {
namespace {

struct Recorder {
    ClockSetResult result = ClockSetResult::Failed;
    std::vector<std::int64_t> calls;
    LinuxSystemClockSetter::Backend Backend() {
        return [this](std::int64_t usec) {
            calls.push_back(usec);
            return result;
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
    timedated.result = ClockSetResult::Set;
    Recorder settime;
    LinuxSystemClockSetter setter(zone, timedated.Backend(), settime.Backend());
    EXPECT_EQ(setter.SetLocalDateTime(kLocalNoon), ClockSetResult::Set);
    zone.Set(LocalZoneState{60, false});
    EXPECT_EQ(setter.SetLocalDateTime(kLocalNoon), ClockSetResult::Set);
    EXPECT_EQ(timedated.calls,
              (std::vector<std::int64_t>{20000 * kDayUs + kDayUs / 2 - 3'600'000'000,
                                         20000 * kDayUs + kDayUs / 2 + 3'600'000'000}));
    EXPECT_TRUE(settime.calls.empty()) << "timedated accepted: no second way";
}

TEST(SystemClockSetter, WhatTimedatedAndClockSettimeSayDecidesTheOutcome) {
    using R = ClockSetResult;
    const struct {
        R timedated;
        R settime;
        bool settimeTried;
        R expected;
    } cases[] = {
        // The system synchronises the clock itself: left to it, even where we could set it.
        {R::AutomaticSyncOn, R::Set, false, R::AutomaticSyncOn},
        {R::Failed, R::Set, true, R::Set},  // no timedated: the direct way
        {R::NotAuthorised, R::Set, true, R::Set},
        {R::NotAuthorised, R::Failed, true, R::NotAuthorised},
        {R::Failed, R::NotAuthorised, true, R::NotAuthorised},  // EPERM
        {R::Failed, R::Failed, true, R::Failed},
    };
    for (const auto& c : cases) {
        FixedLocalZone zone;
        Recorder timedated;
        timedated.result = c.timedated;
        Recorder settime;
        settime.result = c.settime;
        LinuxSystemClockSetter setter(zone, timedated.Backend(), settime.Backend());
        EXPECT_EQ(setter.SetLocalDateTime(kLocalNoon), c.expected)
            << static_cast<int>(c.timedated) << "/" << static_cast<int>(c.settime);
        EXPECT_EQ(timedated.calls.size(), 1u);
        EXPECT_EQ(settime.calls.size(), c.settimeTried ? 1u : 0u);
        if (c.settimeTried) {
            EXPECT_EQ(settime.calls, timedated.calls);
        }
    }
}

TEST(SystemClockSetter, TimedatedErrorsAreReadByName) {
    using S = LinuxSystemClockSetter;
    EXPECT_EQ(S::ResultOfTimedatedError("org.freedesktop.timedate1.AutomaticTimeSyncEnabled"),
              ClockSetResult::AutomaticSyncOn);
    for (const char* denied : {"org.freedesktop.DBus.Error.AccessDenied",
                               "org.freedesktop.DBus.Error.InteractiveAuthorizationRequired",
                               "org.freedesktop.PolicyKit1.Error.NotAuthorized"}) {
        EXPECT_EQ(S::ResultOfTimedatedError(denied), ClockSetResult::NotAuthorised) << denied;
    }
    for (const char* other :
         {"org.freedesktop.DBus.Error.ServiceUnknown", "org.freedesktop.DBus.Error.NoReply", ""}) {
        EXPECT_EQ(S::ResultOfTimedatedError(other), ClockSetResult::Failed) << other;
    }
}

TEST(SystemClockSetter, ImpossibleTimesAreRefusedWithoutTouchingTheClock) {
    FixedLocalZone zone;
    Recorder timedated;
    Recorder settime;
    timedated.result = settime.result = ClockSetResult::Set;
    LinuxSystemClockSetter setter(zone, timedated.Backend(), settime.Backend());
    for (DayCount impossible :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(), 1e12,
          2.0 /* 1900: before the system clock's epoch */}) {
        EXPECT_EQ(setter.SetLocalDateTime(impossible), ClockSetResult::Failed) << impossible;
    }
    EXPECT_TRUE(timedated.calls.empty());
    EXPECT_TRUE(settime.calls.empty());
}

}  // namespace
}  // namespace horavia
