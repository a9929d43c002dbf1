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

TEST(ServerName, OneServerIsCountedOnceWhateverProtocolAsksIt) {
    EXPECT_EQ(ServerPacingKey("time.nist.gov"), "time.nist.gov");
    EXPECT_EQ(ServerPacingKey("ntp:Time.NIST.gov"), ServerPacingKey("time.nist.gov"));
    EXPECT_EQ(ServerPacingKey("ntp:// TIME.nist.gov/"), ServerPacingKey(" time.nist.gov "));
    EXPECT_NE(ServerPacingKey("ntp:time-a-g.nist.gov"), ServerPacingKey("time.nist.gov"));
    EXPECT_EQ(ServerPacingKey("ntp:"), "");
}

}  // namespace
}  // namespace horavia
