#include "sync/server_name.h"

#include <gtest/gtest.h>

namespace horavia {
namespace {

TEST(ServerName, NtpPrefixPicksTheProtocolAndPlainNamesKeepTheTimeProtocol) {
    const struct {
        std::string text;
        TimeProtocol protocol;
        std::string host;
    } cases[] = {
        {"ntp:pool.ntp.org", TimeProtocol::Ntp, "pool.ntp.org"},
        {"ntp://pool.ntp.org", TimeProtocol::Ntp, "pool.ntp.org"},
        {"NTP://Pool.NTP.org/", TimeProtocol::Ntp, "Pool.NTP.org"},
        {"  ntp: 127.0.0.1  ", TimeProtocol::Ntp, "127.0.0.1"},
        {"ntp://[::1]", TimeProtocol::Ntp, "::1"},
        {"ntp:", TimeProtocol::Ntp, ""},
        // Stored settings and the list's names mean the Time Protocol, exactly as written.
        {"time.nist.gov", TimeProtocol::Time, "time.nist.gov"},
        {"ntp.example.org", TimeProtocol::Time, "ntp.example.org"},
        {"ntp", TimeProtocol::Time, "ntp"},
        {" time.nist.gov", TimeProtocol::Time, " time.nist.gov"},
        {"::1", TimeProtocol::Time, "::1"},
        {"", TimeProtocol::Time, ""},
    };
    for (const auto& c : cases) {
        const ServerAddress a = ParseServerName(c.text);
        EXPECT_EQ(a.protocol, c.protocol) << '"' << c.text << '"';
        EXPECT_EQ(a.host, c.host) << '"' << c.text << '"';
    }
}

TEST(ServerName, NtsPrefixTakesAnOptionalKeyExchangePort) {
    const struct {
        std::string text;
        std::string host;
        std::uint16_t port;
    } cases[] = {
        {"nts:time.cloudflare.com", "time.cloudflare.com", 0},
        {"NTS:Time.Cloudflare.com:4461", "Time.Cloudflare.com", 4461},
        {" nts:// nts.netnod.se:123/ ", "nts.netnod.se", 123},
        {"nts:127.0.0.1:4460", "127.0.0.1", 4460},
        {"nts:[::1]:4460", "::1", 4460},
        {"nts:[::1]", "::1", 0},
        {"nts:::1", "::1", 0},  // an IPv6 address without brackets has no port
        {"nts:2001:db8::1", "2001:db8::1", 0},
        // Not a port: kept as written, so the name fails to resolve rather than ask elsewhere.
        {"nts:host:0", "host:0", 0},
        {"nts:host:65536", "host:65536", 0},
        {"nts:host:44x", "host:44x", 0},
        {"nts:host:", "host:", 0},
    };
    for (const auto& c : cases) {
        const ServerAddress a = ParseServerName(c.text);
        EXPECT_EQ(a.protocol, TimeProtocol::Nts) << '"' << c.text << '"';
        EXPECT_EQ(a.host, c.host) << '"' << c.text << '"';
        EXPECT_EQ(a.port, c.port) << '"' << c.text << '"';
    }
    EXPECT_TRUE(IsNtpServer("nts:h")) << "NTS answers are NTP's, to the millisecond";
    EXPECT_EQ(ParseServerName("ntp:h:123").host, "h:123") << "ntp: takes no port, as before";
    EXPECT_EQ(ServerPacingKey("nts:Time.NIST.gov:4460"), ServerPacingKey("time.nist.gov"));
}

TEST(ServerName, OneServerIsCountedOnceWhateverProtocolAsksIt) {
    EXPECT_EQ(ServerPacingKey("time.nist.gov"), "time.nist.gov");
    EXPECT_EQ(ServerPacingKey("ntp:Time.NIST.gov"), ServerPacingKey("time.nist.gov"));
    EXPECT_EQ(ServerPacingKey("ntp:// TIME.nist.gov/"), ServerPacingKey(" time.nist.gov "));
    EXPECT_NE(ServerPacingKey("ntp:time-a-g.nist.gov"), ServerPacingKey("time.nist.gov"));
    EXPECT_EQ(ServerPacingKey("ntp:"), "");
}

}  // namespace
}  // namespace horavia
