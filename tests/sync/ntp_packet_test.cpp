#include "sync/ntp_packet.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace horavia {
namespace {

constexpr NtpTimestamp kSecond = NtpTimestamp{1} << 32;
constexpr NtpTimestamp kMs = kSecond / 1000;  // 4294967 units: one millisecond, nearly
// 2026-05-04 12:00:00 UTC, seconds since 1900.
constexpr NtpTimestamp kNoon = NtpTimestamp{3986971200} << 32;

void Put(std::string& p, std::size_t at, NtpTimestamp t) {
    for (int i = 7; i >= 0; --i) {
        p[at + static_cast<std::size_t>(i)] = static_cast<char>(t & 0xFF);
        t >>= 8;
    }
}

struct ReplyFields {
    int leap = 0;
    int version = 4;
    int mode = 4;
    int stratum = 2;
    std::string referenceId = "GPS";
    NtpTimestamp originate = 0;
    NtpTimestamp receive = 0;
    NtpTimestamp transmit = 0;
    std::size_t size = 48;
};

std::string Reply(const ReplyFields& f) {
    std::string p(f.size < 48 ? 48 : f.size, '\0');
    p[0] = static_cast<char>((f.leap << 6) | (f.version << 3) | f.mode);
    p[1] = static_cast<char>(f.stratum);
    for (std::size_t i = 0; i < f.referenceId.size() && i < 4; ++i) p[12 + i] = f.referenceId[i];
    Put(p, 24, f.originate);
    Put(p, 32, f.receive);
    Put(p, 40, f.transmit);
    p.resize(f.size);
    return p;
}

TEST(NtpPacket, TimestampsCountFrom1900AndWrapIn2036) {
    EXPECT_EQ(NtpTimestampFromUnixMicros(0), NtpTimestamp{2208988800} << 32);
    EXPECT_EQ(NtpTimestampFromUnixMicros(1'500'000),
              ((NtpTimestamp{2208988801} << 32) | 0x80000000u));
    // 2036-02-07 06:28:16 UTC is second 0 of the next era; a microsecond before is the last.
    EXPECT_EQ(NtpTimestampFromUnixMicros(2'085'978'496'000'000), 0u);
    EXPECT_EQ(NtpTimestampFromUnixMicros(2'085'978'495'999'999) >> 32, 0xFFFFFFFFu);
    // Before 1970 the fraction still counts forward within its second.
    EXPECT_EQ(NtpTimestampFromUnixMicros(-250'000),
              ((NtpTimestamp{2208988799} << 32) | 0xC0000000u));

    EXPECT_EQ(AddMicros(kNoon, 1'000'000), kNoon + kSecond);
    EXPECT_EQ(AddMicros(kNoon, 250'000), kNoon + kSecond / 4);
    EXPECT_EQ(AddMicros(kNoon, -500'000), kNoon - kSecond / 2);
    EXPECT_EQ(AddMicros(NtpTimestamp{0xFFFFFFFF} << 32, 2'000'000), kSecond);  // across the wrap
    EXPECT_DOUBLE_EQ(NtpSecondsBetween(kSecond, NtpTimestamp{0xFFFFFFFF} << 32), 2.0);
    EXPECT_DOUBLE_EQ(NtpSecondsBetween(NtpTimestamp{0xFFFFFFFF} << 32, kSecond), -2.0);
}

TEST(NtpPacket, RequestCarriesOnlyVersionModeAndItsTimestamp) {
    const NtpTimestamp sent = WithNonce(kNoon + 123 * kMs, 0xFFFFFFFFu);
    EXPECT_EQ(sent >> 22, (kNoon + 123 * kMs) >> 22) << "the nonce stays below a millisecond";
    EXPECT_NE(WithNonce(kNoon, 1), WithNonce(kNoon, 2));

    const std::string request = BuildSntpRequest(sent);
    ASSERT_EQ(request.size(), 48u);
    EXPECT_EQ(static_cast<unsigned char>(request[0]), 0x23) << "LI 0, version 4, mode 3";
    EXPECT_EQ(request.substr(1, 39), std::string(39, '\0'));
    std::string expected(8, '\0');
    Put(expected, 0, sent);
    EXPECT_EQ(request.substr(40), expected);
}

// Offset and delay as RFC 4330 defines them, worked by hand.
TEST(NtpPacket, OffsetAndDelayFromTheFourTimestamps) {
    const struct {
        const char* what;
        NtpTimestamp t1, t2, t3, t4;
        double offset, delay;
    } cases[] = {
        {"server 1 s ahead, 21 ms on the wire", kNoon, kNoon + kSecond + 10 * kMs,
         kNoon + kSecond + 11 * kMs, kNoon + 22 * kMs, 0.9995, 0.021},
        {"in step", kNoon, kNoon + 5 * kMs, kNoon + 5 * kMs, kNoon + 10 * kMs, 0.0, 0.010},
        {"server 2.5 s behind", kNoon, kNoon - 2500 * kMs + 1 * kMs, kNoon - 2500 * kMs + 2 * kMs,
         kNoon + 3 * kMs, -2.5, 0.002},
        // The computer just before the wrap, the server 2 s ahead and already past it.
        {"across the wrap", (NtpTimestamp{0xFFFFFFFF} << 32) | 0x80000000u,
         kSecond + 0x80000000u + kMs, kSecond + 0x80000000u + kMs,
         ((NtpTimestamp{0xFFFFFFFF} << 32) | 0x80000000u) + 2 * kMs, 2.0, 0.002},
        // A server 60 years (1 893 456 000 s) ahead, in 2086: its timestamps are in the next
        // era and so smaller than the computer's.
        {"60 years apart", kNoon, kNoon + (NtpTimestamp{1893456000} << 32),
         kNoon + (NtpTimestamp{1893456000} << 32), kNoon, 1893456000.0, 0.0},
    };
    for (const auto& c : cases) {
        ReplyFields f;
        f.originate = c.t1 + 7;  // as sent, with its nonce
        f.receive = c.t2;
        f.transmit = c.t3;
        const SntpReply r = ReadSntpReply(Reply(f), c.t1 + 7, c.t1, c.t4);
        ASSERT_EQ(r.verdict, SntpVerdict::Answer) << c.what;
        EXPECT_NEAR(r.offsetSeconds, c.offset, 2e-6) << c.what;
        EXPECT_NEAR(r.delaySeconds, c.delay, 2e-6) << c.what;
        EXPECT_EQ(r.stratum, 2) << c.what;
    }
}

TEST(NtpPacket, RepliesThatAreNotAnswersAreIgnoredOrRefused) {
    const NtpTimestamp sent = kNoon + 77;
    const auto good = [&] {
        ReplyFields f;
        f.originate = sent;
        f.receive = kNoon + kMs;
        f.transmit = kNoon + 2 * kMs;
        return f;
    };
    const struct {
        const char* what;
        void (*change)(ReplyFields&);
        SntpVerdict verdict;
    } cases[] = {
        {"a good reply", [](ReplyFields&) {}, SntpVerdict::Answer},
        {"with extension fields", [](ReplyFields& f) { f.size = 68; }, SntpVerdict::Answer},
        {"version 3", [](ReplyFields& f) { f.version = 3; }, SntpVerdict::Answer},
        {"LI 1 (leap second ahead)", [](ReplyFields& f) { f.leap = 1; }, SntpVerdict::Answer},
        {"short packet", [](ReplyFields& f) { f.size = 47; }, SntpVerdict::NotOurs},
        {"client mode", [](ReplyFields& f) { f.mode = 3; }, SntpVerdict::NotOurs},
        {"broadcast mode", [](ReplyFields& f) { f.mode = 5; }, SntpVerdict::NotOurs},
        {"version 0", [](ReplyFields& f) { f.version = 0; }, SntpVerdict::NotOurs},
        {"wrong originate", [](ReplyFields& f) { f.originate += 1; }, SntpVerdict::NotOurs},
        {"kiss-o'-death",
         [](ReplyFields& f) {
             f.stratum = 0;
             f.referenceId = "RATE";
         },
         SntpVerdict::Refused},
        {"unsynchronised (LI 3)", [](ReplyFields& f) { f.leap = 3; }, SntpVerdict::Refused},
        {"stratum 16", [](ReplyFields& f) { f.stratum = 16; }, SntpVerdict::Refused},
        {"no transmit time", [](ReplyFields& f) { f.transmit = 0; }, SntpVerdict::Refused},
        {"no receive time", [](ReplyFields& f) { f.receive = 0; }, SntpVerdict::Refused},
        // A forged kiss-o'-death does not stop the query.
        {"kiss-o'-death for another request",
         [](ReplyFields& f) {
             f.stratum = 0;
             f.originate = 0;
         },
         SntpVerdict::NotOurs},
    };
    for (const auto& c : cases) {
        ReplyFields f = good();
        c.change(f);
        EXPECT_EQ(ReadSntpReply(Reply(f), sent, kNoon, kNoon + 3 * kMs).verdict, c.verdict)
            << c.what;
    }
    ReplyFields kiss = good();
    kiss.stratum = 0;
    kiss.referenceId = "DENY";
    EXPECT_EQ(ReadSntpReply(Reply(kiss), sent, kNoon, kNoon).kissCode, "DENY");
    EXPECT_EQ(ReadSntpReply("", sent, kNoon, kNoon).verdict, SntpVerdict::NotOurs);
}

// The server's reply tells why it gives no time: wait, go away, or it has no time to give.
TEST(NtpPacket, RefusalsSayWhy) {
    const NtpTimestamp sent = kNoon + 77;
    const auto kiss = [](const char* code) {
        return [code](ReplyFields& f) {
            f.stratum = 0;
            f.referenceId = code;
        };
    };
    const struct {
        const char* what;
        std::function<void(ReplyFields&)> change;
        QueryFailure refusal;
    } cases[] = {
        {"RATE", kiss("RATE"), QueryFailure::AskLessOften},
        {"DENY", kiss("DENY"), QueryFailure::RefusesClient},
        {"RSTR", kiss("RSTR"), QueryFailure::RefusesClient},
        {"INIT", kiss("INIT"), QueryFailure::Unsynchronised},
        {"lower case rate", kiss("rate"), QueryFailure::Unsynchronised},
        {"no code", kiss(""), QueryFailure::Unsynchronised},
        {"LI 3", [](ReplyFields& f) { f.leap = 3; }, QueryFailure::Unsynchronised},
        {"stratum 16", [](ReplyFields& f) { f.stratum = 16; }, QueryFailure::Unsynchronised},
        {"stratum 255", [](ReplyFields& f) { f.stratum = 255; }, QueryFailure::Unsynchronised},
        {"no receive time", [](ReplyFields& f) { f.receive = 0; }, QueryFailure::Incomplete},
        {"no transmit time", [](ReplyFields& f) { f.transmit = 0; }, QueryFailure::Incomplete},
    };
    for (const auto& c : cases) {
        ReplyFields f;
        f.originate = sent;
        f.receive = kNoon + kMs;
        f.transmit = kNoon + 2 * kMs;
        c.change(f);
        const SntpReply reply = ReadSntpReply(Reply(f), sent, kNoon, kNoon + 3 * kMs);
        EXPECT_EQ(reply.verdict, SntpVerdict::Refused) << c.what;
        EXPECT_EQ(reply.refusal, c.refusal) << c.what;
    }
}

}  // namespace
}  // namespace horavia
