// Network Time Security (RFC 8915) on the wire: the key-establishment records sent over TLS,
// and the extension fields an NTS-protected NTP request and reply carry. Standard C++ only,
// apart from the cipher.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sync/ntp_packet.h"

namespace horavia {

inline constexpr std::uint16_t kNtsKePort = 4460;
inline constexpr const char* kNtsKeAlpn = "ntske/1";
inline constexpr const char* kNtsExporterLabel = "EXPORTER-network-time-security";
inline constexpr std::uint16_t kNtsNextProtocolNtpV4 = 0;
inline constexpr std::uint16_t kAeadAesSivCmac256 = 15;
// How many cookies a client keeps: one for each request until the next reply refills them.
inline constexpr std::size_t kNtsCookiesWanted = 8;
inline constexpr std::size_t kNtsUniqueIdSize = 32;
inline constexpr std::size_t kNtsNonceSize = 16;

// The exporter's context for one direction's key: next protocol, AEAD algorithm, then 0 for
// client to server or 1 for server to client.
std::string NtsExporterContext(bool serverToClient);

// The client's request: NTPv4 as the next protocol, AES-SIV-CMAC-256, End of Message.
std::string BuildNtsKeRequest();

// What one key exchange may receive, far above what a server sends (RFC 8915 responses are a
// few hundred bytes to a few kilobytes, cookies about a hundred bytes each), so that a server
// that never ends its response costs the program no more than this.
inline constexpr std::size_t kNtsKeLargestResponse = 64 * 1024;  // bytes of records
inline constexpr std::size_t kNtsKeMostRecords = 1024;
// A cookie travels in every request, with as many placeholders of its size as cookies are
// asked for, and its reply must fit the datagram the query reads.
inline constexpr std::size_t kNtsLargestCookie = 1024;

// The server's response, read as far as it has come.
struct NtsKeResponse {
    enum class State { Incomplete, Complete, Failed };
    State state = State::Incomplete;
    std::string problem;               // why it failed, for the user
    std::vector<std::string> cookies;  // the first kNtsCookiesWanted sent; the rest are dropped
    std::string ntpServer;             // empty: the key-exchange server itself
    std::uint16_t ntpPort = kNtpPort;
};

// Reads a response as its bytes arrive, each record once, keeping only the record whose end
// has not come yet. Complete once End of Message came with everything an NTP association
// needs; Failed at the first record that forbids one, or once the response grows past
// kNtsKeLargestResponse bytes or kNtsKeMostRecords records without ending.
class NtsKeResponseReader {
  public:
    // Reads the bytes that follow those given before; bytes that come once the response is
    // complete or failed are ignored.
    const NtsKeResponse& Feed(std::string_view bytes);
    const NtsKeResponse& Response() const { return response_; }

  private:
    void ReadRecord(std::uint16_t rawType, std::string_view body);
    void Fail(std::string problem);

    NtsKeResponse response_;
    std::string pending_;  // the start of a record whose end has not come
    std::size_t bytesTaken_ = 0;
    std::size_t records_ = 0;
    bool protocolSeen_ = false;
    bool aeadSeen_ = false;
};

// The response in received, read in one go.
NtsKeResponse ReadNtsKeResponse(std::string_view received);

// What one NTS request needs: the stamp, the identifier, one cookie and the key to sign with.
struct NtsRequestParts {
    NtpTimestamp transmit = 0;
    std::string uniqueId;
    std::string cookie;
    std::size_t placeholders = 0;  // cookies asked for beyond the one spent
    std::string c2sKey;
    std::string nonce;
};

// An NTPv4 client request with Unique Identifier, NTS Cookie, Cookie Placeholders and the NTS
// Authenticator; nothing when the cipher fails.
std::optional<std::string> BuildNtsRequest(const NtsRequestParts& parts);

// A reply to the request that carried uniqueId, authenticated with s2cKey: the new cookies it
// brings. Nothing when anything is missing, malformed or not authentic.
std::optional<std::vector<std::string>> OpenNtsReply(std::string_view packet,
                                                     std::string_view uniqueId,
                                                     std::string_view s2cKey);

// An unauthenticated kiss-o'-death "NTSN" answering uniqueId: the server no longer knows the
// cookie, so a new key exchange is due.
bool IsNtsNak(std::string_view packet, std::string_view uniqueId);

}  // namespace horavia
