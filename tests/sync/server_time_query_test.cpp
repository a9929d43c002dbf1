#include "sync/server_time_query.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include "answer_wait.h"
#include "fake_ntp_server.h"
#include "fake_time_server.h"
#include "manual_query_clock.h"

namespace horavia {
namespace {

using test::FakeNtpServer;
using test::FakeTimeServer;

TEST(QueryPacer, EachServerWaitsOutItsOwnInterval) {
    QueryPacer pacer(4000);
    EXPECT_EQ(pacer.WaitMs("a", 10'000), 0) << "never asked";
    pacer.Note("a", 10'000);
    EXPECT_EQ(pacer.WaitMs("a", 10'000), 4000);
    EXPECT_EQ(pacer.WaitMs("a", 12'500), 1500);
    EXPECT_EQ(pacer.WaitMs("a", 14'000), 0);
    EXPECT_EQ(pacer.WaitMs("b", 10'001), 0) << "another server";
    pacer.Note("b", 13'000);
    EXPECT_EQ(pacer.WaitMs("b", 13'000), 4000);
    EXPECT_EQ(pacer.WaitMs("a", 13'000), 1000) << "b's query leaves a alone";
    // A steady clock never goes back, but a wait never exceeds the interval either.
    EXPECT_EQ(pacer.WaitMs("b", 1'000), 4000);
}

struct Servers {
    Servers() {
        EXPECT_TRUE(time.Listen());
        EXPECT_TRUE(ntp.Listen());
        time.SetSeconds(FakeTimeServer::NowSeconds());
        ntp.SetOffsetMs(-1234);
    }
    TimeServerPorts Ports() const { return {time.Port(), ntp.Port()}; }
    FakeTimeServer time{FakeTimeServer::Mode::Normal};
    FakeNtpServer ntp{FakeNtpServer::Mode::Normal};
};

TEST(ServerTimeQuery, TheNameChoosesTheProtocol) {
    Servers servers;
    QueryPacer pacer(0);
    ServerTimeQuery query(&SystemUtcNow, pacer, servers.Ports());
    Instant date{};
    std::int32_t respons = 0;
    for (const char* name : {"ntp:127.0.0.1", "ntp://127.0.0.1", "NTP:localhost"}) {
        ASSERT_TRUE(test::AwaitAnswer(query, name, date, respons)) << name;
        EXPECT_NEAR(static_cast<double>((date - SystemUtcNow()).count()), -1234.0, 10.0) << name;
    }
    ASSERT_TRUE(test::AwaitAnswer(query, "127.0.0.1", date, respons));
    EXPECT_NEAR(static_cast<double>((date - SystemUtcNow()).count()), 0.0, 1500.0)
        << "the Time Protocol's whole seconds";
    EXPECT_EQ(servers.ntp.Arrivals().size(), 3u);
    EXPECT_EQ(servers.time.Accepted(), 1);
}

// A server asked again within the interval is asked only once the interval since its last
// query has passed; the event loop runs meanwhile and no other query can start.
TEST(ServerTimeQuery, OneServerIsAskedOnlyOncePerInterval) {
    constexpr std::int64_t kInterval = 600;
    Servers servers;
    QueryPacer pacer(kInterval);
    ServerTimeQuery query(&SystemUtcNow, pacer, servers.Ports());
    Instant date{};
    std::int32_t respons = 0;

    int ticks = 0;
    bool nestedRefused = false;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        ++ticks;
        if (query.IsWaiting())
            nestedRefused = !test::AwaitAnswer(query, "ntp:127.0.0.1", date, respons);
    });
    ticker.start(50);

    std::vector<qint64> ends;
    QElapsedTimer wall;
    wall.start();
    for (const char* name : {"ntp:127.0.0.1", "ntp:127.0.0.1", "127.0.0.1", "ntp:127.0.0.1"}) {
        EXPECT_TRUE(test::AwaitAnswer(query, name, date, respons)) << name;
        ends.push_back(wall.elapsed());
    }
    ticker.stop();
    // The Time Protocol's query of the same host counted too: four queries, three waits.
    EXPECT_GE(ends.back(), 3 * kInterval);
    const std::vector<std::int64_t>& arrivals = servers.ntp.Arrivals();
    ASSERT_EQ(arrivals.size(), 3u);
    EXPECT_GE(arrivals[1] - arrivals[0], kInterval);
    EXPECT_GE(arrivals[2] - arrivals[1], 2 * kInterval) << "the Time Protocol's turn between";
    EXPECT_GT(ticks, 10) << "the window stayed live";
    EXPECT_TRUE(nestedRefused);

    // Another server does not wait for this one.
    wall.restart();
    EXPECT_TRUE(test::AwaitAnswer(query, "ntp:localhost", date, respons));
    EXPECT_LT(wall.elapsed(), kInterval);
}

// Start returns at once; the answer comes with finished, from the event loop, and the pause
// before a server asked again is counted on the query's clock.
TEST(ServerTimeQuery, StartReturnsAtOnceAndFinishedBringsTheAnswer) {
    Servers servers;
    QueryPacer pacer;
    test::ManualQueryClock clock;
    ServerTimeQuery query(&SystemUtcNow, pacer, servers.Ports(), nullptr, {&clock});
    std::vector<TimeAnswer> answers;
    QObject::connect(&query, &ServerTimeQuery::finished,
                     [&](const TimeAnswer& answer) { answers.push_back(answer); });
    const auto awaitAnswers = [&](std::size_t count) {
        QElapsedTimer wall;
        wall.start();
        while (answers.size() < count && wall.elapsed() < 5000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
    };

    ASSERT_TRUE(query.Start("ntp:127.0.0.1"));
    EXPECT_TRUE(answers.empty()) << "never from within Start";
    EXPECT_TRUE(query.IsWaiting());
    EXPECT_FALSE(query.Start("127.0.0.1")) << "one query at a time";
    awaitAnswers(1);
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_TRUE(answers[0].answered);
    EXPECT_NEAR(static_cast<double>((answers[0].serverUtc - SystemUtcNow()).count()), -1234.0,
                10.0);
    EXPECT_FALSE(query.IsWaiting());

    const std::int64_t firstEndMs = clock.NowMs();
    ASSERT_TRUE(query.Start("127.0.0.1"));
    awaitAnswers(2);
    ASSERT_EQ(answers.size(), 2u);
    EXPECT_TRUE(answers[1].answered);
    EXPECT_EQ(clock.pauses, 1);
    EXPECT_GE(clock.NowMs() - firstEndMs, kMinimumQueryIntervalMs) << "the same host, paced";
    EXPECT_EQ(servers.time.Accepted(), 1);
}

}  // namespace
}  // namespace horavia
