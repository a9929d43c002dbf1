// How the server box names a server and its protocol: "ntp:HOST" or "ntp://HOST" asks HOST over
// NTP; anything else is a host name for the Time Protocol, as stored settings always held.
#pragma once

#include <string>

namespace horavia {

enum class TimeProtocol { Time, Ntp };

struct ServerAddress {
    TimeProtocol protocol = TimeProtocol::Time;
    std::string host;
};

// The scheme counts in any case and with blanks around the text; an NTP host loses the blanks
// around it, a trailing "/" and the brackets of an IPv6 address ("ntp://[::1]/"). A Time
// Protocol host is taken as it stands.
ServerAddress ParseServerName(const std::string& server);

inline bool IsNtpServer(const std::string& server) {
    return ParseServerName(server).protocol == TimeProtocol::Ntp;
}

// The name under which queries to one server are counted, whatever protocol asks it: the
// host in lower case, without surrounding blanks.
std::string ServerPacingKey(const std::string& server);

}  // namespace horavia
