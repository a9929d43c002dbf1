#include "sync/nts_cookie_jar.h"

#include <algorithm>
#include <cctype>

#include "sync/nts_records.h"

namespace horavia {

std::string NtsCookieJar::KeyOf(const std::string& host, std::uint16_t kePort) {
    std::string key = host;
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return key + " " + std::to_string(kePort);
}

void NtsCookieJar::Keep(const std::string& host, std::uint16_t kePort,
                        const NtsAssociation& association) {
    NtsSession& session = sessions_[KeyOf(host, kePort)];
    session.c2sKey = association.c2sKey;
    session.s2cKey = association.s2cKey;
    session.cookies.clear();
    Refill(session, association.cookies);
    session.ntpServer = association.ntpServer;
    session.ntpPort = association.ntpPort;
}

NtsSession* NtsCookieJar::Usable(const std::string& host, std::uint16_t kePort) {
    const auto found = sessions_.find(KeyOf(host, kePort));
    if (found == sessions_.end() || found->second.cookies.empty()) return nullptr;
    return &found->second;
}

void NtsCookieJar::AddCookies(const std::string& host, std::uint16_t kePort,
                              const std::vector<std::string>& cookies) {
    const auto found = sessions_.find(KeyOf(host, kePort));
    if (found != sessions_.end()) Refill(found->second, cookies);
}

void NtsCookieJar::Refill(NtsSession& session, const std::vector<std::string>& cookies) {
    for (const std::string& cookie : cookies) {
        if (session.cookies.size() >= kNtsCookiesWanted) break;
        // One no server sends would make every request and its reply too large.
        if (cookie.empty() || cookie.size() > kNtsLargestCookie) continue;
        session.cookies.push_back(cookie);
    }
}

void NtsCookieJar::Forget(const std::string& host, std::uint16_t kePort) {
    sessions_.erase(KeyOf(host, kePort));
}

}  // namespace horavia
