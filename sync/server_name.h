// How the server box names a server and its protocol: "ntp:HOST" or "ntp://HOST" asks HOST over
// NTP; "nts:HOST" or "nts:HOST:PORT" over NTP secured by NTS, PORT being the key exchange's;
// anything else is a host name for the Time Protocol, as stored settings always held.
#pragma once

#include <cstdint>
#include <string>

namespace horavia {

enum class TimeProtocol { Time, Ntp, Nts };

struct ServerAddress {
    TimeProtocol protocol = TimeProtocol::Time;
    std::string host;
    std::uint16_t port = 0;  // NTS: the key exchange's port, 0 for the usual one
};

// The scheme counts in any case and with blanks around the text; an NTP host loses the blanks
// around it, a trailing "/" and the brackets of an IPv6 address ("ntp://[::1]/"); an NTS host
// also its port ("nts:[::1]:4460"; an IPv6 address without brackets has none). A Time
// Protocol host is taken as it stands.
ServerAddress ParseServerName(const std::string& server);

// NTP, with or without NTS.
inline bool IsNtpServer(const std::string& server) {
    return ParseServerName(server).protocol != TimeProtocol::Time;
}

// The name under which queries to one server are counted, whatever protocol asks it: the
// host in lower case, without surrounding blanks.
std::string ServerPacingKey(const std::string& server);

}  // namespace horavia
