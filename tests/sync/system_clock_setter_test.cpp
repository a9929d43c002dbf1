// The real backends would change this machine's clock: every test here injects fakes.
#include "platform/linux/system_clock_setter.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <optional>
#include <vector>

#include "sync/sync_time.h"
#include "sync_fakes.h"

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
using DirectRecorder = Recorder<ClockSetResult>;
struct ServiceRecorder : Recorder<std::optional<ClockSetResult>> {
    std::vector<ClockSetPrompt> prompts;
    LinuxSystemClockSetter::ServiceBackend Backend() {
        return [this](std::int64_t usec, ClockSetPrompt prompt,
                      const LinuxSystemClockSetter::ServiceAnswer& answered) {
            calls.push_back(usec);
            prompts.push_back(prompt);
            answered(result);
        };
    }
};

// The result the setter hands on; these backends answer at once.
std::optional<ClockSetResult> SetTime(SystemClockSetter& setter, Instant utc) {
    std::optional<ClockSetResult> result;
    setter.SetTime(utc, ClockSetPrompt::Allowed, [&result](ClockSetResult r) { result = r; });
    return result;
}

constexpr std::int64_t kNoonMs = 20000LL * 86'400'000 + 43'200'000;  // 2024-10-04 12:00 UTC
const Instant kNoon = InstantFromUnixMs(kNoonMs);

TEST(SystemClockSetter, SetsTheInstantInMicrosecondsSince1970) {
    EXPECT_EQ(UnixMicrosecondsOf(kNoon), kNoonMs * 1000);
    EXPECT_EQ(UnixMicrosecondsOf(InstantFromUnixMs(250)), 250'000);

    ServiceRecorder timedated;
    timedated.result = ClockSetResult::Set;
    DirectRecorder settime;
    LinuxSystemClockSetter setter(timedated.Backend(), settime.Backend());
    EXPECT_EQ(SetTime(setter, kNoon), ClockSetResult::Set);
    EXPECT_EQ(timedated.calls, std::vector<std::int64_t>{kNoonMs * 1000});
    EXPECT_TRUE(settime.calls.empty()) << "timedated accepted: no second way";
}

// The zone moves its offset (summer time ends) while the user is asked whether to set the
// clock: the clock is still set to exactly the server's instant, not an hour beside it.
TEST(SystemClockSetter, ChangeOfTheZoneDuringTheQuestionLeavesTheServersInstant) {
    constexpr std::int32_t kSummerBias = -120;
    FixedLocalZone zone(-kSummerBias * 60, true);
    FixedClock clock(LocalDayCountAt(kNoon, kSummerBias), kSummerBias);
    test::FakeTimeQuery query;
    const std::int64_t serverMs = kNoonMs + 600'000;  // ten minutes ahead
    query.answers = {InstantFromUnixMs(serverMs), InstantFromUnixMs(serverMs + 5'000)};
    test::FakeMessageBox box;
    box.whileOpen = [&] {
        zone.Set(3600, false);
        clock.SetUtc(InstantFromUnixMs(kNoonMs + 5'000));
    };
    ServiceRecorder timedated;
    timedated.result = ClockSetResult::Set;
    DirectRecorder settime;
    LinuxSystemClockSetter setter(timedated.Backend(), settime.Backend());
    MemorySettingsStore store;
    TimeSynchroniser sync(query, setter, box, clock, store);

    std::optional<SyncOutcome> outcome;
    sync.SyncTime("time.example", [&](SyncOutcome o) { outcome = o; });
    test::RunUntil([&] { return outcome.has_value(); });
    EXPECT_EQ(outcome, SyncOutcome::ClockSet);
    EXPECT_EQ(box.shown.size(), 1u) << "only the question";
    EXPECT_EQ(timedated.calls, std::vector<std::int64_t>{(serverMs + 5'000) * 1000});
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
        ServiceRecorder timedated;
        timedated.result = c.timedated;
        DirectRecorder settime;
        settime.result = c.settime;
        LinuxSystemClockSetter setter(timedated.Backend(), settime.Backend());
        EXPECT_EQ(SetTime(setter, kNoon), c.expected) << "case " << &c - cases;
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
    ServiceRecorder timedated;
    DirectRecorder settime;
    timedated.result = settime.result = ClockSetResult::Set;
    LinuxSystemClockSetter setter(timedated.Backend(), settime.Backend());
    for (std::int64_t impossibleMs :
         {std::numeric_limits<std::int64_t>::max(), std::numeric_limits<std::int64_t>::min(),
          std::int64_t{-1} /* before the system clock's epoch */}) {
        EXPECT_EQ(SetTime(setter, InstantFromUnixMs(impossibleMs)), ClockSetResult::Failed)
            << impossibleMs;
    }
    EXPECT_TRUE(timedated.calls.empty());
    EXPECT_TRUE(settime.calls.empty());
}

}  // namespace
}  // namespace horavia
