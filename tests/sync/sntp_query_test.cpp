#include "sync/sntp_query.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTimer>

#include "answer_wait.h"
#include "fake_ntp_server.h"
#include "manual_query_clock.h"
#include "process_usage.h"
#include "sync/time_query.h"
#include "utc_at.h"

namespace horavia {
namespace {

using test::FakeNtpServer;
using Mode = FakeNtpServer::Mode;
using test::CpuSeconds;
using test::OpenDescriptors;

constexpr qint64 kLimitMs = 3000;  // 2000 ms and a little, on a loaded machine
// What a query run holds until an answer replaces it.
const Instant kUntouched = InstantFromUnixMs(-1);

struct QueryRun {
    bool answered = false;
    Instant serverUtc = kUntouched;
    std::int32_t lRespons = -1;
    qint64 wallMs = 0;
    double cpuSeconds = 0;
};

QueryRun TimedQuery(SntpQuery& query, const std::string& host) {
    QueryRun run;
    QElapsedTimer wall;
    wall.start();
    const double cpu = CpuSeconds();
    run.answered = test::AwaitAnswer(query, host, run.serverUtc, run.lRespons);
    run.cpuSeconds = CpuSeconds() - cpu;
    run.wallMs = wall.elapsed();
    return run;
}

quint16 ClosedUdpPort() {
    QUdpSocket probe;
    probe.bind(QHostAddress::LocalHost, 0);
    return probe.localPort();
}

TEST(SntpQuery, AnswerIsTheServersTimeToTheMillisecond) {
    for (double skewMs : {0.0, 1500.0, -2750.0, 86'400'000.0}) {
        FakeNtpServer server(Mode::Normal);
        server.SetOffsetMs(skewMs);
        ASSERT_TRUE(server.Listen());
        SntpQuery query(&SystemUtcNow, server.Port());
        const QueryRun run = TimedQuery(query, "127.0.0.1");
        ASSERT_TRUE(run.answered) << skewMs;
        const auto foundMs = static_cast<double>((run.serverUtc - SystemUtcNow()).count());
        EXPECT_NEAR(foundMs, skewMs, 10.0);
        EXPECT_NEAR(query.LastReply().offsetSeconds * 1000.0, skewMs, 10.0);
        EXPECT_GE(query.LastReply().delaySeconds, -0.001);
        EXPECT_LT(query.LastReply().delaySeconds, 0.5);
        EXPECT_EQ(query.Requests(), 1);
        EXPECT_LT(run.lRespons, 2000);
        EXPECT_EQ(server.Arrivals().size(), 1u);
        EXPECT_EQ(query.Socket().state(), QAbstractSocket::UnconnectedState);
    }
}

// A forged reply ahead of the real one neither ends the query nor sets its time.
TEST(SntpQuery, ForgedReplyIsPassedOverForTheRealOne) {
    FakeNtpServer server(Mode::ForgedFirst);
    server.SetOffsetMs(250);
    ASSERT_TRUE(server.Listen());
    SntpQuery query(&SystemUtcNow, server.Port());
    const QueryRun run = TimedQuery(query, "127.0.0.1");
    ASSERT_TRUE(run.answered);
    EXPECT_NEAR(static_cast<double>((run.serverUtc - SystemUtcNow()).count()), 250.0, 10.0);
    EXPECT_LT(run.lRespons, 1000);
}

// The request is stamped with the injected clock, and the reply read against it: a computer
// whose clock says 2050 (past the 2036 wrap) still finds today's server, 24 years behind.
TEST(SntpQuery, ComputerClockOnTheOtherSideOfTheWrap) {
    FakeNtpServer server(Mode::Normal);
    ASSERT_TRUE(server.Listen());
    const auto skew = test::UtcAt(2050, 6, 1) - SystemUtcNow();
    SntpQuery query([skew] { return SystemUtcNow() + skew; }, server.Port());
    const QueryRun run = TimedQuery(query, "localhost");
    ASSERT_TRUE(run.answered);
    EXPECT_NEAR(static_cast<double>((run.serverUtc - SystemUtcNow()).count()), 0.0, 10.0);
    EXPECT_NEAR(query.LastReply().offsetSeconds * 1000.0, -static_cast<double>(skew.count()), 10.0);
}

// Every fault ends in the query's one failure; a reply that is not an answer to this request is
// ignored (the wait goes on), a server that refuses to serve ends the wait at once.
TEST(SntpQuery, FaultyRepliesAreRefusedAndTheSocketIsClosed) {
    const struct {
        const char* what;
        Mode mode;
        bool endsAtOnce;
    } cases[] = {
        {"no reply", Mode::Silent, false},
        {"short packet", Mode::Short, false},
        {"wrong mode", Mode::WrongMode, false},
        {"wrong originate", Mode::WrongOriginate, false},
        {"reply from another port", Mode::OtherPort, false},
        {"kiss-o'-death", Mode::KissOfDeath, true},
        {"leap indicator 3", Mode::Unsynchronised, true},
    };
    for (const auto& c : cases) {
        FakeNtpServer server(c.mode);
        ASSERT_TRUE(server.Listen());
        test::ManualQueryClock clock;
        SntpQuery query(&SystemUtcNow, server.Port(), nullptr, {&clock});
        // No answer will come once the request is in and the reply, if any, has been read.
        clock.timeoutWhen = [&] {
            return server.Arrivals().size() == 1 && !query.Socket().hasPendingDatagrams();
        };
        const int descriptors = OpenDescriptors();
        const QueryRun run = TimedQuery(query, "127.0.0.1");
        EXPECT_FALSE(run.answered) << c.what;
        EXPECT_EQ(run.serverUtc, kUntouched) << c.what << ": left alone";
        EXPECT_EQ(server.Arrivals().size(), 1u) << c.what << ": asked once";
        if (c.endsAtOnce) {
            EXPECT_LT(run.lRespons, 1000) << c.what;
        } else {
            EXPECT_EQ(run.lRespons, kTimeQueryWaitMs) << c.what;
            EXPECT_LT(run.wallMs, kLimitMs) << c.what;
        }
        EXPECT_EQ(query.Socket().state(), QAbstractSocket::UnconnectedState) << c.what;
        EXPECT_EQ(OpenDescriptors(), descriptors) << c.what << ": nothing left open";
    }
    FakeNtpServer kiss(Mode::KissOfDeath);
    ASSERT_TRUE(kiss.Listen());
    SntpQuery query(&SystemUtcNow, kiss.Port());
    TimedQuery(query, "127.0.0.1");
    EXPECT_EQ(query.LastReply().kissCode, "RATE");
}

TEST(SntpQuery, NobodyThereEndsTheWaitEarlyOrAtTheBudget) {
    const quint16 closed = ClosedUdpPort();
    const struct {
        const char* what;
        std::string host;
        bool endsAtOnce;
    } cases[] = {
        {"port closed", "127.0.0.1", true},  // the refusal comes back at once
        {"empty name", "", true},
        {"unresolvable", "no-such-host.invalid", false},
    };
    for (const auto& c : cases) {
        SntpQuery query(&SystemUtcNow, closed);
        const QueryRun run = TimedQuery(query, c.host);
        EXPECT_FALSE(run.answered) << c.what;
        EXPECT_LT(run.wallMs, kLimitMs) << c.what;
        if (c.endsAtOnce) {
            EXPECT_LT(run.lRespons, 1000) << c.what;
        }
        EXPECT_EQ(query.Socket().state(), QAbstractSocket::UnconnectedState) << c.what;
    }
}

TEST(SntpQuery, NoSecondQueryStartsWhileOneWaits) {
    FakeNtpServer server(Mode::Silent);
    ASSERT_TRUE(server.Listen());
    test::ManualQueryClock clock;
    SntpQuery query(&SystemUtcNow, server.Port(), nullptr, {&clock});
    bool nestedRan = false;
    clock.timeoutWhen = [&] { return nestedRan; };
    QueryRun nested;
    QTimer::singleShot(10, [&] {
        nestedRan = true;
        EXPECT_TRUE(query.IsWaiting());
        nested = TimedQuery(query, "127.0.0.1");
    });
    const QueryRun run = TimedQuery(query, "127.0.0.1");
    ASSERT_TRUE(nestedRan) << "the event loop ran during the wait";
    EXPECT_FALSE(nested.answered);
    EXPECT_EQ(nested.lRespons, -1) << "refused at once, nothing touched";
    EXPECT_FALSE(run.answered);
    EXPECT_EQ(server.Arrivals().size(), 1u);
}

}  // namespace
}  // namespace horavia
