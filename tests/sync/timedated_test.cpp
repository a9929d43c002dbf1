// Setting the clock through timedated on a private bus (run under dbus-run-session, with the
// session bus standing in for the system bus). The direct way is always a fake here: as root
// it would really change this machine's clock. While timedated is on the bus, whatever it
// answers is final: the direct way is never tried.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QElapsedTimer>
#include <QProcess>
#include <optional>

#include "answer_wait.h"
#include "platform/linux/system_clock_setter.h"
#include "sync/sync_time.h"
#include "sync_fakes.h"

namespace horavia {
namespace {

constexpr DayCount kNow = 46000.5;  // 2025-12-09 12:00 local, UTC+1
constexpr std::int32_t kBias = -60;

// The server's answer `ms` ahead of the computer's clock.
Instant AnswerAhead(std::int64_t ms) {
    return InstantOfLocal(kNow, kBias).value() + std::chrono::milliseconds(ms);
}
// How long a call waits for the fake timedated: it answers at once, except when silent.
constexpr int kCallTimeoutMs = 1000;

// A fake timedated in the given mode, for as long as this lives.
class Timedated {
  public:
    explicit Timedated(const QString& mode) {
        process_.start(QStringLiteral(FAKE_TIMEDATED), {mode});
        QElapsedTimer wall;
        wall.start();
        while (wall.elapsed() < 5000 && !Registered()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
    }
    ~Timedated() {
        process_.kill();
        process_.waitForFinished(2000);
    }
    static bool Registered() {
        return QDBusConnection::sessionBus().interface()->isServiceRegistered(
            QStringLiteral("org.freedesktop.timedate1"));
    }
    QString Calls() {
        process_.waitForReadyRead(200);
        return QString::fromUtf8(process_.readAllStandardOutput());
    }

  private:
    QProcess process_;
};

struct Direct {
    int calls = 0;
    ClockSetResult Set(std::int64_t) {
        ++calls;
        return ClockSetResult::NotAuthorised;  // what clock_settime's EPERM means
    }
};

class TimedatedTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
            GTEST_SKIP() << "no private bus: run under dbus-run-session";
        }
    }
    Direct direct;
    LinuxSystemClockSetter setter{[](std::int64_t usec, ClockSetPrompt prompt,
                                     LinuxSystemClockSetter::ServiceAnswer answered) {
                                      LinuxSystemClockSetter::SetViaTimedated(
                                          usec, prompt, std::move(answered), kCallTimeoutMs);
                                  },
                                  [this](std::int64_t usec) { return direct.Set(usec); }};
    test::FakeTimeQuery query;
    test::FakeMessageBox box;
    FixedClock clock{kNow, kBias};
    MemorySettingsStore store;
    TimeSynchroniser sync{query, setter, box, clock, store};

    SyncOutcome Sync(const std::string& server) { return test::AwaitSync(sync, server); }
    // The setter's result, which comes through the event loop.
    std::optional<ClockSetResult> SetTime() {
        std::optional<ClockSetResult> result;
        setter.SetTime(clock.NowUtc(), ClockSetPrompt::Allowed,
                       [&result](ClockSetResult r) { result = r; });
        EXPECT_FALSE(result) << "answered without waiting for the bus";
        test::RunUntil([&result] { return result.has_value(); });
        return result;
    }
};

TEST_F(TimedatedTest, AutomaticSynchronisationOnIsSaidInPlainWords) {
    Timedated timedated(QStringLiteral("ntp-on"));
    ASSERT_TRUE(Timedated::Registered());
    query.answers = {AnswerAhead(12'500)};  // 12.5 s ahead

    EXPECT_EQ(Sync("ntp:pool.example"), SyncOutcome::SetRefused);
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text,
              std::string("The computer's clock was not set: the system keeps it synchronised "
                          "itself (automatic time synchronisation is on).") +
                  "\nDifference with local time: 13 s (12500 ms)");
    EXPECT_EQ(box.shown[0].icon, MsgIcon::Information);
    EXPECT_EQ(direct.calls, 0) << "the system's own synchronisation is not overruled";
    // The absolute time in UTC microseconds; a scheduled synchronisation raises no prompt.
    const std::int64_t usec = UnixMsOf(clock.NowUtc()) * 1000 + 12'500'000;
    EXPECT_EQ(timedated.Calls(), QStringLiteral("SetTime %1 0 0\n").arg(usec));
}

// Polkit may ask for a password only when the user asked: "Sync Now!" or a Yes to the question.
TEST_F(TimedatedTest, InteractiveOnlyWhenTheUserAsked) {
    Timedated timedated(QStringLiteral("accept"));
    ASSERT_TRUE(Timedated::Registered());
    const struct {
        SyncRequest request;
        std::int64_t aheadMs;
        int interactive;
    } cases[] = {{SyncRequest::Automatic, 30'000, 0},
                 {SyncRequest::User, 30'000, 1},
                 {SyncRequest::Automatic, 600'000, 1}};
    for (const auto& c : cases) {
        query.answers = {AnswerAhead(c.aheadMs), AnswerAhead(c.aheadMs)};
        EXPECT_EQ(test::AwaitSync(sync, "time.example", c.request), SyncOutcome::ClockSet);
        const std::int64_t usec = UnixMsOf(clock.NowUtc()) * 1000 + c.aheadMs * 1000;
        EXPECT_EQ(timedated.Calls(),
                  QStringLiteral("SetTime %1 0 %2\n").arg(usec).arg(c.interactive));
    }
}

TEST_F(TimedatedTest, NotAuthorisedIsSaid) {
    Timedated timedated(QStringLiteral("denied"));
    ASSERT_TRUE(Timedated::Registered());
    query.answers = {AnswerAhead(-30'000)};

    EXPECT_EQ(Sync("time.example"), SyncOutcome::SetRefused);
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text,
              std::string(
                  "Failed setting new date/time: you are not allowed to change the system clock.") +
                  "\nDifference with local time: -30 s");
    EXPECT_EQ(box.shown[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(direct.calls, 0) << "polkit's refusal is not overruled";
}

TEST_F(TimedatedTest, SilenceIsSaidAndNotOverruled) {
    Timedated timedated(QStringLiteral("silent"));
    ASSERT_TRUE(Timedated::Registered());
    query.answers = {AnswerAhead(45'000)};

    // The synchroniser waits for timedated through the event loop, still busy: a second
    // request meanwhile is refused, and the answer's deadline ends the wait.
    std::optional<SyncOutcome> outcome;
    sync.SyncTime("time.example", [&outcome](SyncOutcome o) { outcome = o; });
    test::RunUntil([this] { return sync.Stage() == SyncStage::Setting; });
    ASSERT_EQ(sync.Stage(), SyncStage::Setting);
    std::optional<SyncOutcome> second;
    sync.SyncTime("time.example", [&second](SyncOutcome o) { second = o; });
    EXPECT_EQ(second, SyncOutcome::Skipped);
    EXPECT_FALSE(outcome);
    test::RunUntil([&outcome] { return outcome.has_value(); });
    EXPECT_EQ(outcome, SyncOutcome::SetRefused);
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(
        box.shown[0].text,
        std::string(
            "The computer's clock was not set: the system's date-time service did not answer.") +
            "\nDifference with local time: 45 s");
    EXPECT_EQ(box.shown[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(direct.calls, 0);
}

TEST_F(TimedatedTest, AcceptedOrAbsent) {
    {
        Timedated timedated(QStringLiteral("accept"));
        ASSERT_TRUE(Timedated::Registered());
        EXPECT_EQ(SetTime(), ClockSetResult::Set);
        EXPECT_EQ(direct.calls, 0);
    }
    QElapsedTimer wall;
    wall.start();
    while (Timedated::Registered() && wall.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    // No timedated on the bus: the direct way decides.
    EXPECT_EQ(SetTime(), ClockSetResult::NotAuthorised);
    EXPECT_EQ(direct.calls, 1);
}

}  // namespace
}  // namespace horavia

int main(int argc, char** argv) {
    // timedated lives on the system bus: here the private session bus stands in for it.
    const QByteArray session = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    if (!session.isEmpty()) qputenv("DBUS_SYSTEM_BUS_ADDRESS", session);
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
