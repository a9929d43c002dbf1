#include "sync/time_query.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QHostInfo>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <functional>
#include <vector>

#include "answer_wait.h"
#include "fake_time_server.h"
#include "manual_query_clock.h"
#include "platform/host_lookup.h"
#include "process_usage.h"
#include "sync/time_reply.h"
#include "utc_at.h"

namespace horavia {
namespace {

using test::FakeTimeServer;
using test::OpenDescriptors;
using Mode = FakeTimeServer::Mode;
using test::UtcAt;

// What a query run holds until an answer replaces it.
const Instant kUntouched = InstantFromUnixMs(-1);

// "Within 2000 ms and a little": generous for a loaded machine, far below a second wait.
constexpr qint64 kLimitMs = 3000;

struct QueryRun {
    bool answered = false;
    Instant serverUtc = kUntouched;
    std::int32_t lRespons = -1;
    qint64 wallMs = 0;
};

QueryRun TimedQuery(TimeQuery& query, const std::string& host) {
    QueryRun run;
    QElapsedTimer wall;
    wall.start();
    run.answered = test::AwaitAnswer(query, host, run.serverUtc, run.lRespons);
    run.wallMs = wall.elapsed();
    return run;
}

// Lets the server side see what the client did.
void SettleEvents(const std::function<bool()>& done) {
    QElapsedTimer wall;
    wall.start();
    while (!done() && wall.elapsed() < 2000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

TEST(TimeQuery, AnswersWithTheDecodedServerTime) {
    FakeTimeServer server(Mode::Normal);
    server.SetSeconds(3187296000u);  // 2001-01-01 00:00:00
    ASSERT_TRUE(server.Listen());
    TimeQuery query(server.Port());
    const QueryRun run = TimedQuery(query, "127.0.0.1");
    EXPECT_TRUE(run.answered);
    EXPECT_EQ(run.serverUtc, UtcAt(2001, 1, 1));
    EXPECT_GE(run.lRespons, 0);
    EXPECT_LT(run.lRespons, 2000);
    EXPECT_EQ(query.Socket().state(), QAbstractSocket::UnconnectedState);

    // The same connection object serves the next query, by host name this time. The last
    // second before the count wraps is read in the era nearest to this computer's clock.
    server.SetSeconds(0xFFFFFFFFu);
    const QueryRun again = TimedQuery(query, "localhost");
    EXPECT_TRUE(again.answered);
    EXPECT_EQ(again.serverUtc, UtcAt(2036, 2, 7, 6, 28, 15));
    EXPECT_EQ(server.Accepted(), 2);
}

// The era comes from the injected clock: a reply of zero is 1900-01-01 to a clock in 1901 and
// the moment of the wrap to one in 2030; a server five seconds behind a clock past the wrap
// is five seconds behind, not 136 years.
TEST(TimeQuery, RepliesAreReadInTheEraOfTheInjectedClock) {
    const struct {
        std::uint32_t seconds;
        Instant clock;
        Instant expected;
    } cases[] = {
        {0, UtcAt(1901, 1, 1), UtcAt(1900, 1, 1)},
        {0, UtcAt(2030, 1, 1), UtcAt(2036, 2, 7, 6, 28, 16)},
        {0x001DF780u, UtcAt(2036, 3, 1, 0, 0, 5), UtcAt(2036, 3, 1)},
        {0xFFFFFFFBu, UtcAt(2036, 2, 7, 6, 28, 20), UtcAt(2036, 2, 7, 6, 28, 11)},
    };
    for (const auto& c : cases) {
        FakeTimeServer server(Mode::Normal);
        server.SetSeconds(c.seconds);
        ASSERT_TRUE(server.Listen());
        const Instant clock = c.clock;
        TimeQuery query([clock] { return clock; }, server.Port());
        const QueryRun run = TimedQuery(query, "127.0.0.1");
        ASSERT_TRUE(run.answered);
        EXPECT_EQ(run.serverUtc, c.expected) << c.seconds;
    }
}

TEST(TimeQuery, LongerFirstChunkIsDecodedFromItsFirstFourBytes) {
    FakeTimeServer server(Mode::EightBytes);
    server.SetSeconds(3187296000u);
    ASSERT_TRUE(server.Listen());
    TimeQuery query(server.Port());
    const QueryRun run = TimedQuery(query, "127.0.0.1");
    EXPECT_TRUE(run.answered);
    EXPECT_EQ(run.serverUtc, UtcAt(2001, 1, 1));
    EXPECT_EQ(query.Reply().size(), 8u);
}

TEST(TimeQuery, ShortFirstChunkFailsAtOnce) {
    for (Mode mode : {Mode::ThreeBytes, Mode::TwoThenTwo}) {
        FakeTimeServer server(mode);
        server.SetPauseMs(300);
        ASSERT_TRUE(server.Listen());
        TimeQuery query(server.Port());
        const QueryRun run = TimedQuery(query, "127.0.0.1");
        EXPECT_FALSE(run.answered);
        EXPECT_EQ(run.serverUtc, kUntouched) << "left alone on failure";
        EXPECT_EQ(query.Reply().size(), mode == Mode::ThreeBytes ? 3u : 2u);
        EXPECT_LT(run.lRespons, 2000) << "the first chunk ends the wait";
        EXPECT_EQ(query.Socket().state(), QAbstractSocket::UnconnectedState);
        // The client closed; the late two bytes find nobody.
        SettleEvents([&] { return server.ClosedByClient() == 1; });
        EXPECT_EQ(server.ClosedByClient(), 1);
    }
}

TEST(TimeQuery, SilentServerTimesOutAfterTwoSeconds) {
    FakeTimeServer server(Mode::Silent);
    ASSERT_TRUE(server.Listen());
    test::ManualQueryClock clock;
    clock.timeoutWhen = [&] { return server.Accepted() == 1; };
    TimeQuery query(&SystemUtcNow, server.Port(), nullptr, {&clock});
    const QueryRun run = TimedQuery(query, "127.0.0.1");
    EXPECT_FALSE(run.answered);
    EXPECT_EQ(run.lRespons, 2000) << "the whole deadline, on the query's clock";
    EXPECT_LT(run.wallMs, kLimitMs);
    EXPECT_EQ(query.Socket().state(), QAbstractSocket::UnconnectedState);
    SettleEvents([&] { return server.ClosedByClient() == 1; });
    EXPECT_EQ(server.ClosedByClient(), 1) << "the connection is closed after a time-out";
}

TEST(TimeQuery, ConnectionFailuresEndTheWaitEarly) {
    // A port that nobody listens on: bind a free one and let it go again.
    quint16 closedPort = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        closedPort = probe.serverPort();
    }
    FakeTimeServer reset(Mode::Reset);
    ASSERT_TRUE(reset.Listen());
    const int localhostAddresses =
        static_cast<int>(QHostInfo::fromName("localhost").addresses().size());
    ASSERT_GE(localhostAddresses, 1);

    const struct {
        const char* what;
        quint16 port;
        std::string host;
        int attempts;     // one per resolved address, never a second round
        bool endsAtOnce;  // no name service involved, so nothing can be slow
    } cases[] = {
        {"refused", closedPort, "127.0.0.1", 1, true},
        {"refused by name", closedPort, "localhost", localhostAddresses, true},
        {"reset", reset.Port(), "127.0.0.1", 1, true},
        {"unresolvable", closedPort, "no-such-host.invalid", 0, false},
        {"empty name", closedPort, "", 0, true},
    };
    for (const auto& c : cases) {
        TimeQuery query(c.port);
        const QueryRun run = TimedQuery(query, c.host);
        EXPECT_FALSE(run.answered) << c.what;
        EXPECT_EQ(run.serverUtc, kUntouched) << c.what;
        EXPECT_LT(run.wallMs, kLimitMs) << c.what;
        if (c.endsAtOnce) {
            EXPECT_LT(run.lRespons, kTimeQueryWaitMs) << c.what;
        }
        EXPECT_EQ(query.ConnectAttempts(), c.attempts) << c.what;
        EXPECT_EQ(query.Socket().state(), QAbstractSocket::UnconnectedState) << c.what;
    }
    // A reset right after the accept ends the query like a refusal; it must not start a
    // new connection to the server again and again until the wait is over.
    SettleEvents([&] { return reset.Accepted() >= 1; });
    EXPECT_EQ(reset.Accepted(), 1);
}

// The lookup runs on a thread of its own; what it delivers must match Qt's own resolver, and a
// lookup that was dropped (or whose object is gone) must deliver nothing.
TEST(HostLookup, DeliversTheResolversAddressesOnceAndNothingWhenDropped) {
    const QList<QHostAddress> expected = QHostInfo::fromName("localhost").addresses();
    ASSERT_FALSE(expected.isEmpty());

    HostLookup lookup;
    std::vector<QList<QHostAddress>> results;
    QObject::connect(&lookup, &HostLookup::Finished,
                     [&](const QList<QHostAddress>& found) { results.push_back(found); });
    lookup.Start("localhost");
    lookup.Start("localhost");  // the first is dropped
    SettleEvents([&] { return !results.empty(); });
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0], expected);

    lookup.Start("no-such-host.invalid");
    SettleEvents([&] { return results.size() > 1; });
    ASSERT_EQ(results.size(), 2u);
    EXPECT_TRUE(results[1].isEmpty());

    lookup.Start("localhost");
    lookup.Abort();
    {
        HostLookup gone;
        QObject::connect(&gone, &HostLookup::Finished,
                         [&](const QList<QHostAddress>& found) { results.push_back(found); });
        gone.Start("localhost");
    }
    QElapsedTimer wall;
    wall.start();
    while (wall.elapsed() < 300) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(results.size(), 2u);
}

TEST(TimeQuery, UnansweredConnectIsDroppedAfterTheWait) {
    // A listener whose queue is full and never served drops new handshakes: the connect
    // neither succeeds nor fails within the wait.
    QTcpServer full;
    full.setListenBacklogSize(0);
    ASSERT_TRUE(full.listen(QHostAddress::LocalHost, 0));
    full.pauseAccepting();
    QTcpSocket filler;
    filler.connectToHost(QHostAddress::LocalHost, full.serverPort());
    ASSERT_TRUE(filler.waitForConnected(1000));

    const int descriptorsBefore = OpenDescriptors();
    test::ManualQueryClock clock;
    TimeQuery query(&SystemUtcNow, full.serverPort(), nullptr, {&clock});
    clock.timeoutWhen = [&] { return query.ConnectAttempts() == 1; };
    const QueryRun run = TimedQuery(query, "127.0.0.1");
    EXPECT_FALSE(run.answered);
    EXPECT_GE(run.lRespons, kTimeQueryWaitMs);
    EXPECT_LT(run.wallMs, kLimitMs);
    EXPECT_EQ(query.ConnectAttempts(), 1);
    EXPECT_FALSE(query.IsWaiting());
    EXPECT_EQ(query.Socket().state(), QAbstractSocket::UnconnectedState);
    EXPECT_EQ(OpenDescriptors(), descriptorsBefore) << "the pending connection is closed";
}

TEST(TimeQuery, EventLoopRunsDuringTheWaitButNoSecondQueryStarts) {
    FakeTimeServer server(Mode::Delayed);
    server.SetPauseMs(400);
    server.SetSeconds(3187296000u);
    ASSERT_TRUE(server.Listen());
    TimeQuery query(server.Port());

    bool nestedRan = false;
    QueryRun nested;
    QTimer::singleShot(100, [&] {
        nestedRan = true;
        EXPECT_TRUE(query.IsWaiting());
        nested = TimedQuery(query, "127.0.0.1");
    });
    const QueryRun run = TimedQuery(query, "127.0.0.1");

    ASSERT_TRUE(nestedRan) << "a timer fired during the wait";
    EXPECT_FALSE(nested.answered);
    EXPECT_EQ(nested.lRespons, -1) << "refused at once, nothing touched";
    EXPECT_LT(nested.wallMs, 50);
    EXPECT_TRUE(run.answered) << "the waiting query was not disturbed";
    EXPECT_EQ(run.serverUtc, UtcAt(2001, 1, 1));
    EXPECT_GE(run.lRespons, 350);
    EXPECT_EQ(server.Accepted(), 1);
    EXPECT_FALSE(query.IsWaiting());
}

}  // namespace
}  // namespace horavia
