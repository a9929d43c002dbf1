// The real backends would change this machine's clock: every test here injects fakes.
#include "platform/linux/system_clock_setter.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <optional>
#include <vector>

namespace horavia {
namespace {

// A backend that records each instant it is asked to set. The date-time service's answer is
// optional: nothing stands for a system without one.
template <class Result>
struct Recorder {
    Result result = ClockSetResult::Failed;
    std::vector<std::int64_t> calls;
    std::function<Result(std::int64_t)> Backend() {
        return [this](std::int64_t usec) {
            calls.push_back(usec);
            return result;
        };
    }
};
using ServiceRecorder = Recorder<std::optional<ClockSetResult>>;
using DirectRecorder = Recorder<ClockSetResult>;

constexpr DayCount kLocalNoon = kUnixEpochDay + 20000.5;  // 2024-10-04 12:00 local
constexpr std::int64_t kDayUs = 86'400'000'000;

TEST(SystemClockSetter, ConvertsLocalTimeWithTheCurrentBias) {
    EXPECT_EQ(UtcMicrosecondsFromLocal(kLocalNoon, 0), 20000 * kDayUs + kDayUs / 2);
    EXPECT_EQ(UtcMicrosecondsFromLocal(kLocalNoon, -120),
              20000 * kDayUs + kDayUs / 2 - 7'200'000'000);
    EXPECT_EQ(UtcMicrosecondsFromLocal(kUnixEpochDay + 0.25 / 86400.0, 0), 250'000);

    FixedLocalZone zone(LocalZoneState{-60, true});
    ServiceRecorder timedated;
    timedated.result = ClockSetResult::Set;
    DirectRecorder settime;
    LinuxSystemClockSetter setter(zone, timedated.Backend(), settime.Backend());
    EXPECT_EQ(setter.SetLocalDateTime(kLocalNoon), ClockSetResult::Set);
    zone.Set(LocalZoneState{60, false});
    EXPECT_EQ(setter.SetLocalDateTime(kLocalNoon), ClockSetResult::Set);
    EXPECT_EQ(timedated.calls,
              (std::vector<std::int64_t>{20000 * kDayUs + kDayUs / 2 - 3'600'000'000,
                                         20000 * kDayUs + kDayUs / 2 + 3'600'000'000}));
    EXPECT_TRUE(settime.calls.empty()) << "timedated accepted: no second way";
}

// Where the system has timedated, its answer is final, even where this program could set the
// clock itself (as root): its refusal, its own synchronisation, its silence. Only a system
// without it has the clock set directly.
TEST(SystemClockSetter, TimedatedDecidesWhereThereIsOneElseTheDirectWay) {
    using R = ClockSetResult;
    const struct {
        std::optional<R> timedated;
        R settime;
        bool settimeTried;
        R expected;
    } cases[] = {
        {R::AutomaticSyncOn, R::Set, false, R::AutomaticSyncOn},
        {R::NotAuthorised, R::Set, false, R::NotAuthorised},
        {R::NoAnswer, R::Set, false, R::NoAnswer},
        {R::Failed, R::Set, false, R::Failed},
        {std::nullopt, R::Set, true, R::Set},
        {std::nullopt, R::NotAuthorised, true, R::NotAuthorised},  // EPERM
        {std::nullopt, R::Failed, true, R::Failed},
    };
    for (const auto& c : cases) {
        FixedLocalZone zone;
        ServiceRecorder timedated;
        timedated.result = c.timedated;
        DirectRecorder settime;
        settime.result = c.settime;
        LinuxSystemClockSetter setter(zone, timedated.Backend(), settime.Backend());
        EXPECT_EQ(setter.SetLocalDateTime(kLocalNoon), c.expected) << "case " << &c - cases;
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
    // Silence: the call timed out, or timedated went away without answering.
    for (const char* silent :
         {"org.freedesktop.DBus.Error.NoReply", "org.freedesktop.DBus.Error.Timeout",
          "org.freedesktop.DBus.Error.TimedOut", "org.freedesktop.DBus.Error.Disconnected"}) {
        EXPECT_EQ(S::ResultOfTimedatedError(silent), ClockSetResult::NoAnswer) << silent;
    }
    // Gone between the look on the bus and the call: still no direct way.
    for (const char* other : {"org.freedesktop.DBus.Error.ServiceUnknown",
                              "org.freedesktop.DBus.Error.Spawn.Failed", ""}) {
        EXPECT_EQ(S::ResultOfTimedatedError(other), ClockSetResult::Failed) << other;
    }
}

TEST(SystemClockSetter, ImpossibleTimesAreRefusedWithoutTouchingTheClock) {
    FixedLocalZone zone;
    ServiceRecorder timedated;
    DirectRecorder settime;
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
