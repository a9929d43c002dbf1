// The key exchange against a server that sends more than any response needs: it ends at once
// with the reason, the program's memory stays where it was, and no more than eight cookies
// are kept.
#include "sync/nts_key_exchange.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <optional>

#include "fake_nts_ke_server.h"
#include "process_usage.h"
#include "sync/nts_query.h"
#include "sync/nts_records.h"

namespace horavia {
namespace {

using test::KeRecord;
using test::ServedKeResponse;

const std::string kNtpV4 = KeRecord(0x8001, std::string("\0\0", 2));
const std::string kSiv = KeRecord(0x8004, std::string("\0\x0f", 2));
const std::string kEnd = KeRecord(0x8000, "");
const std::string kCookie = KeRecord(5, std::string(100, 'c'));         // a common cookie's size
const std::string kUnknown = KeRecord(0x0321, std::string(1000, 'x'));  // not critical
constexpr std::int64_t kMostGrowthKiB = 4096;
#ifdef __SANITIZE_ADDRESS__
constexpr bool kMemoryTells = false;  // freed memory stays resident in the sanitizer's quarantine
#else
constexpr bool kMemoryTells = true;
#endif

struct Exchanged {
    std::optional<NtsAssociation> association;
    std::int64_t ms = 0;
    std::int64_t peakGrowthKiB = 0;  // peak resident memory over what the process held before
};

Exchanged Exchange(const test::FakeNtsKeServer& server) {
    qputenv("SSL_CERT_FILE", QByteArray::fromStdString(server.CertificateFile()));
    Exchanged result;
    NtsKeyExchange exchange;
    QEventLoop loop;
    QObject::connect(&exchange, &NtsKeyExchange::finished, &loop, [&](const NtsAssociation& a) {
        result.association = a;
        loop.quit();
    });
    QTimer::singleShot(15'000, &loop, &QEventLoop::quit);
    EXPECT_TRUE(test::ResetPeakMemory());
    const std::int64_t before = test::StatusKiB("VmRSS");
    QElapsedTimer timer;
    timer.start();
    exchange.Start("127.0.0.1", server.Port());
    loop.exec();
    result.ms = timer.elapsed();
    result.peakGrowthKiB = test::StatusKiB("VmHWM") - before;
    return result;
}

TEST(NtsKeyExchange, AServerThatSendsTooMuchIsCutShort) {
    const QByteArray trusted = qgetenv("SSL_CERT_FILE");
    const struct {
        const char* what;
        ServedKeResponse response;
        std::string problem;
        std::size_t cookies;
    } cases[] = {
        // First, as it warms the TLS library up: a response that ends, with cookies to spare.
        {"twenty cookies", {kNtpV4 + kSiv, kCookie, 20, kEnd}, "", kNtsCookiesWanted},
        {"records without end",
         {kNtpV4 + kSiv, kUnknown, 0, ""},
         "the server sent more than 64 KiB of key-exchange records",
         0},
        {"empty records without end",
         {kNtpV4 + kSiv, KeRecord(0x0321, ""), 0, ""},
         "the server sent more than 1024 key-exchange records",
         0},
        {"10,000 cookies",
         {kNtpV4 + kSiv, kCookie, 10'000, kEnd},
         "the server sent more than 64 KiB of key-exchange records",
         0},
        {"10,000 one-byte cookies",
         {kNtpV4 + kSiv, KeRecord(5, "c"), 10'000, kEnd},
         "the server sent more than 1024 key-exchange records",
         0},
        {"a cookie of 2000 bytes",
         {kNtpV4 + kSiv, KeRecord(5, std::string(2000, 'c')), 1, kEnd},
         "the server sent a cookie larger than 1024 bytes",
         0},
    };
    for (const auto& c : cases) {
        test::FakeNtsKeServer server(c.response);
        ASSERT_TRUE(server.Ready()) << c.what;
        const Exchanged exchanged = Exchange(server);
        ASSERT_TRUE(exchanged.association) << c.what << ": finished never came";
        const NtsAssociation& association = *exchanged.association;
        EXPECT_EQ(association.problem, c.problem) << c.what;
        EXPECT_EQ(association.cookies.size(), c.cookies) << c.what;
        EXPECT_EQ(association.c2sKey.empty(), !c.problem.empty()) << c.what;
        // Told before the query's own deadline would hide the reason.
        EXPECT_LT(exchanged.ms, kNtsKeyExchangeWaitMs) << c.what;
        if (kMemoryTells) {
            EXPECT_LT(exchanged.peakGrowthKiB, kMostGrowthKiB)
                << c.what << ": " << server.BytesSent() << " bytes sent";
        }
        std::printf("%s: %lld ms, peak memory +%lld KiB, server sent %lld bytes\n", c.what,
                    static_cast<long long>(exchanged.ms),
                    static_cast<long long>(exchanged.peakGrowthKiB),
                    static_cast<long long>(server.BytesSent()));
    }
    if (trusted.isNull()) {
        qunsetenv("SSL_CERT_FILE");
    } else {
        qputenv("SSL_CERT_FILE", trusted);
    }
}

}  // namespace
}  // namespace horavia
