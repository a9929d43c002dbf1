// What the program keeps of its NTS key exchanges while it runs: for each key-exchange server,
// the keys and the unused cookies (RFC 8915, section 6: each cookie is sent once). Memory only.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "sync/nts_key_exchange.h"

namespace horavia {

struct NtsSession {
    std::string c2sKey;
    std::string s2cKey;
    std::deque<std::string> cookies;
    std::string ntpServer;
    std::uint16_t ntpPort = 0;
};

class NtsCookieJar {
  public:
    // The server's session as a fresh key exchange left it. The jar keeps at most
    // kNtsCookiesWanted cookies of a session, none larger than kNtsLargestCookie.
    void Keep(const std::string& host, std::uint16_t kePort, const NtsAssociation& association);
    // The session, while it has a cookie left to spend; nullptr when a key exchange is due.
    NtsSession* Usable(const std::string& host, std::uint16_t kePort);
    // Cookies from an authentic reply, kept while the session is known, up to the number a
    // client keeps.
    void AddCookies(const std::string& host, std::uint16_t kePort,
                    const std::vector<std::string>& cookies);
    // Forgets the server's session: its cookies are no longer accepted.
    void Forget(const std::string& host, std::uint16_t kePort);

  private:
    static std::string KeyOf(const std::string& host, std::uint16_t kePort);
    static void Refill(NtsSession& session, const std::vector<std::string>& cookies);
    std::map<std::string, NtsSession> sessions_;
};

}  // namespace horavia
