// The NTS query against a fake server that holds the session's keys: only an authentic reply
// to this very request is an answer; the cookies are spent once and refilled.
#include "sync/nts_query.h"

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>
#include <optional>

#include "fake_nts_server.h"
#include "manual_query_clock.h"
#include "sync/nts_records.h"
#include "ui/main/message_text.h"

namespace horavia {
namespace {

using test::FakeNtsServer;
using Mode = FakeNtsServer::Mode;

const std::string kC2s(32, 'c');
const std::string kS2c(32, 's');
constexpr std::uint16_t kNoKeyExchange = 9;  // the discard port: nothing listens there

// A session as a key exchange with the fake server would leave it, with `cookies` cookies.
void KeepSession(NtsCookieJar& jar, quint16 ntpPort, std::size_t cookies) {
    NtsAssociation association;
    association.c2sKey = kC2s;
    association.s2cKey = kS2c;
    for (std::size_t i = 0; i < cookies; ++i) {
        association.cookies.push_back("cookie " + std::to_string(i) + std::string(90, '-'));
    }
    association.ntpServer = "127.0.0.1";
    association.ntpPort = ntpPort;
    jar.Keep("127.0.0.1", kNoKeyExchange, association);
}

TimeAnswer Await(NtsQuery& query) {
    QEventLoop loop;
    std::optional<TimeAnswer> answer;
    QObject::connect(&query, &NtsQuery::finished, &loop, [&](const TimeAnswer& a) {
        answer = a;
        loop.quit();
    });
    EXPECT_TRUE(query.Start("127.0.0.1", kNoKeyExchange));
    EXPECT_FALSE(query.Start("127.0.0.1", kNoKeyExchange)) << "one query at a time";
    QTimer::singleShot(10'000, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_TRUE(answer) << "finished never came";
    return answer.value_or(TimeAnswer{});
}

std::size_t CookiesLeft(NtsCookieJar& jar) {
    const NtsSession* session = jar.Usable("127.0.0.1", kNoKeyExchange);
    return session != nullptr ? session->cookies.size() : 0;
}

// However many cookies a key exchange or a reply brings, a session keeps eight, none larger
// than a request can carry.
TEST(NtsCookieJar, KeepsEightCookiesAtMostNoneTooLarge) {
    NtsCookieJar jar;
    NtsAssociation association;
    association.cookies.assign(10'000, std::string(100, 'c'));
    jar.Keep("127.0.0.1", kNoKeyExchange, association);
    EXPECT_EQ(CookiesLeft(jar), kNtsCookiesWanted);

    association.cookies = {std::string(kNtsLargestCookie + 1, 'L'), "small"};
    jar.Keep("127.0.0.1", kNoKeyExchange, association);
    jar.AddCookies("127.0.0.1", kNoKeyExchange, {std::string(2000, 'L'), "", "second"});
    const NtsSession* session = jar.Usable("127.0.0.1", kNoKeyExchange);
    ASSERT_NE(session, nullptr);
    EXPECT_EQ(session->cookies, (std::deque<std::string>{"small", "second"}));
}

TEST(NtsQuery, AuthenticReplyAnswersAndRefillsTheCookies) {
    FakeNtsServer server(kC2s, kS2c);
    server.SetOffsetMs(1500);
    ASSERT_TRUE(server.Listen());
    NtsCookieJar jar;
    KeepSession(jar, server.Port(), 3);
    NtsQuery query(&SystemUtcNow, jar);

    const TimeAnswer answer = Await(query);
    ASSERT_TRUE(answer.answered);
    EXPECT_TRUE(answer.authenticated);
    EXPECT_FALSE(answer.problem);
    ASSERT_TRUE(answer.offsetMs);
    // An offset is known to within half the round trip (a slow machine's delay counts).
    ASSERT_TRUE(answer.delayMs.has_value());
    EXPECT_NEAR(*answer.offsetMs, 1500.0, 10.0 + *answer.delayMs / 2);
    ASSERT_TRUE(answer.delayMs);
    EXPECT_GE(*answer.delayMs, -1.0);
    EXPECT_NEAR(static_cast<double>((answer.serverUtc - SystemUtcNow()).count()), 1500.0,
                10.0 + *answer.delayMs / 2);
    // One cookie spent, five placeholders for the rest: eight in store again.
    EXPECT_EQ(server.AuthenticRequests(), 1);
    ASSERT_EQ(server.CookiesReceived().size(), 1u);
    EXPECT_EQ(server.CookiesReceived()[0].substr(0, 8), "cookie 0");
    EXPECT_EQ(server.LastPlaceholders(), 5);
    EXPECT_EQ(CookiesLeft(jar), kNtsCookiesWanted);

    // The next request spends the next cookie, never the same one twice.
    ASSERT_TRUE(Await(query).answered);
    ASSERT_EQ(server.CookiesReceived().size(), 2u);
    EXPECT_EQ(server.CookiesReceived()[1].substr(0, 8), "cookie 1");
    EXPECT_EQ(server.LastPlaceholders(), 0);
    EXPECT_EQ(CookiesLeft(jar), kNtsCookiesWanted);
    EXPECT_EQ(query.KeyExchanges(), 0);
    // Header, identifier, the cookie (98 bytes, padded), authenticator.
    EXPECT_EQ(query.Traffic().ntpBytesSent, 48 + 36 + 104 + 40);
}

// Forged, tampered and replayed replies are never an answer: the wait goes on to the deadline.
TEST(NtsQuery, ForgedRepliesAreIgnored) {
    const struct {
        const char* what;
        Mode mode;
    } cases[] = {
        {"authenticator flipped", Mode::TamperedAuthenticator},
        {"sealed cookie flipped", Mode::TamperedCookie},
        {"another request's identifier", Mode::WrongUniqueId},
        {"no NTS fields", Mode::Unauthenticated},
        {"an old reply replayed", Mode::Replay},
        {"from another port", Mode::OtherPort},
    };
    for (const auto& c : cases) {
        FakeNtsServer server(kC2s, kS2c);
        ASSERT_TRUE(server.Listen());
        NtsCookieJar jar;
        KeepSession(jar, server.Port(), kNtsCookiesWanted);
        test::ManualQueryClock clock;
        NtsQuery query(&SystemUtcNow, jar, nullptr, {&clock});
        // A genuine exchange first, which the replay will send again.
        ASSERT_TRUE(Await(query).answered) << c.what;
        server.SetMode(c.mode);
        clock.timeoutWhen = [&] {
            return server.Requests() == 2 && !query.Socket().hasPendingDatagrams();
        };
        const TimeAnswer answer = Await(query);
        EXPECT_FALSE(answer.answered) << c.what;
        EXPECT_FALSE(answer.authenticated) << c.what;
        EXPECT_EQ(answer.lRespons, kTimeQueryWaitMs) << c.what << ": waited to the end";
        EXPECT_EQ(server.AuthenticRequests(), 2) << c.what;
        // The forged reply's cookies are not kept.
        EXPECT_EQ(CookiesLeft(jar), kNtsCookiesWanted - 1) << c.what;
    }
}

// A refusal counts only when it is authentic; anyone on the path could send a plain one.
TEST(NtsQuery, OnlyAnAuthenticKissOfDeathRefuses) {
    for (const Mode mode : {Mode::AuthenticDeny, Mode::UnauthenticatedDeny}) {
        const bool authentic = mode == Mode::AuthenticDeny;
        FakeNtsServer server(kC2s, kS2c);
        ASSERT_TRUE(server.Listen());
        server.SetMode(mode);
        NtsCookieJar jar;
        KeepSession(jar, server.Port(), kNtsCookiesWanted);
        test::ManualQueryClock clock;
        NtsQuery query(&SystemUtcNow, jar, nullptr, {&clock});
        clock.timeoutWhen = [&] {
            return server.Requests() == 1 && !query.Socket().hasPendingDatagrams();
        };
        const TimeAnswer answer = Await(query);
        EXPECT_FALSE(answer.answered);
        EXPECT_EQ(answer.failure, authentic ? QueryFailure::RefusesClient : QueryFailure::NoAnswer);
        if (authentic) {
            EXPECT_LT(answer.lRespons, kTimeQueryWaitMs) << "ends at once";
        } else {
            EXPECT_EQ(answer.lRespons, kTimeQueryWaitMs) << "ignored: waited to the end";
        }
    }
}

TEST(NtsQuery, AForgeryDoesNotHideTheRealReply) {
    FakeNtsServer server(kC2s, kS2c);
    server.SetMode(Mode::ForgedFirst);
    server.SetOffsetMs(-250);
    ASSERT_TRUE(server.Listen());
    NtsCookieJar jar;
    KeepSession(jar, server.Port(), 1);
    NtsQuery query(&SystemUtcNow, jar);
    const TimeAnswer answer = Await(query);
    ASSERT_TRUE(answer.answered);
    ASSERT_TRUE(answer.delayMs.has_value());
    EXPECT_NEAR(*answer.offsetMs, -250.0, 10.0 + *answer.delayMs / 2) << "not the forgery's hour";
    EXPECT_LT(answer.lRespons, 1000);
}

TEST(NtsQuery, NoCookieLeftMeansAKeyExchangeWhichSaysWhyItFailed) {
    NtsCookieJar jar;
    NtsQuery query(&SystemUtcNow, jar);
    const TimeAnswer none = Await(query);
    EXPECT_FALSE(none.answered);
    ASSERT_TRUE(none.problem);
    EXPECT_EQ(MessageText(*none.problem),
              "NTS key exchange failed: could not connect to 127.0.0.1");
    EXPECT_EQ(query.KeyExchanges(), 1);

    // A server that no longer knows the cookie says so (NTS NAK): the session is dropped, and
    // the next query begins with a key exchange.
    FakeNtsServer server(kC2s, kS2c);
    server.SetMode(Mode::Nak);
    ASSERT_TRUE(server.Listen());
    KeepSession(jar, server.Port(), 4);
    test::ManualQueryClock clock;
    NtsQuery nakked(&SystemUtcNow, jar, nullptr, {&clock});
    clock.timeoutWhen = [&] {
        return server.Requests() == 1 && !nakked.Socket().hasPendingDatagrams();
    };
    EXPECT_FALSE(Await(nakked).answered);
    EXPECT_EQ(jar.Usable("127.0.0.1", kNoKeyExchange), nullptr);
    EXPECT_FALSE(Await(nakked).answered);
    EXPECT_EQ(nakked.KeyExchanges(), 1);
}

}  // namespace
}  // namespace horavia
