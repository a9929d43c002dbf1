// Fuzzes what NTS reads from the network and builds for it: the key-establishment records a
// server sends, the extension fields of an NTP reply (forged, and sealed with the right key
// around fuzzed contents), and the request built around a fuzzed cookie. Any bytes must give
// a result or a clean failure, and what is read must agree with what was sealed.
//
// Input: byte 0 picks the part (0: key-exchange response, 1: reply as received, 2: reply
// sealed around the rest, 3: request around the rest as its cookie); byte 1 is, for 0, the
// size less one of the pieces the response also arrives in, and for 3 a count of
// placeholders; the rest is the data.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "sync/nts_aead.h"
#include "sync/nts_records.h"

namespace {

using namespace horavia;

const std::string kKey(32, 'k');
const std::string kUniqueId(32, 'u');

std::string Field(std::uint16_t type, std::string_view body) {
    const std::size_t size = std::max<std::size_t>((4 + body.size() + 3) / 4 * 4, 16);
    std::string f{static_cast<char>(type >> 8), static_cast<char>(type & 0xFF),
                  static_cast<char>(size >> 8), static_cast<char>(size & 0xFF)};
    return f + std::string(body) + std::string(size - 4 - body.size(), '\0');
}

// The fields of text, or nothing when they do not tile it.
std::optional<std::vector<std::pair<std::uint16_t, std::string>>> Fields(std::string_view text) {
    std::vector<std::pair<std::uint16_t, std::string>> fields;
    std::size_t at = 0;
    while (at < text.size()) {
        if (text.size() - at < 4) return std::nullopt;
        const auto type = static_cast<std::uint16_t>((static_cast<unsigned char>(text[at]) << 8) |
                                                     static_cast<unsigned char>(text[at + 1]));
        const std::size_t size =
            (static_cast<std::size_t>(static_cast<unsigned char>(text[at + 2])) << 8) |
            static_cast<unsigned char>(text[at + 3]);
        if (size < 4 || size % 4 != 0 || size > text.size() - at) return std::nullopt;
        fields.emplace_back(type, std::string(text.substr(at + 4, size - 4)));
        at += size;
    }
    return fields;
}

void KeResponse(std::string_view data, std::size_t piece) {
    const NtsKeResponse read = ReadNtsKeResponse(data);
    // Read as it comes, in pieces of any size, the response is the same, and never holds more
    // than the cookies a client keeps.
    NtsKeResponseReader reader;
    for (std::size_t at = 0; at < data.size(); at += piece) reader.Feed(data.substr(at, piece));
    const NtsKeResponse& pieces = reader.Response();
    Check(pieces.state == read.state && pieces.problem == read.problem &&
          pieces.cookies == read.cookies && pieces.ntpServer == read.ntpServer &&
          pieces.ntpPort == read.ntpPort);
    Check(read.cookies.size() <= kNtsCookiesWanted);
    switch (read.state) {
        case NtsKeResponse::State::Complete:
            Check(!read.cookies.empty() && read.problem.empty());
            for (const char c : read.ntpServer) Check(c > ' ' && c <= '~');
            break;
        case NtsKeResponse::State::Failed:
            Check(read.cookies.empty() && !read.problem.empty());
            break;
        case NtsKeResponse::State::Incomplete:
            Check(read.problem.empty());
            break;
    }
}

void SealedReply(std::string_view plaintext) {
    if (plaintext.size() > 4000) return;
    std::string packet(48, '\0');
    packet[0] = 0x24;
    packet += Field(0x0104, kUniqueId);
    const std::string nonce(16, 'n');
    const auto sealed = SivSeal(kKey, {packet, nonce}, plaintext);
    Check(sealed.has_value() && sealed->size() == plaintext.size() + kSivTagSize);
    std::string body{0, 16, static_cast<char>(sealed->size() >> 8),
                     static_cast<char>(sealed->size() & 0xFF)};
    body += nonce + *sealed;
    const std::string reply = packet + Field(0x0404, body);
    const auto cookies = OpenNtsReply(reply, kUniqueId, kKey);
    const auto fields = Fields(plaintext);
    // Authentic, so it opens exactly when its contents are well-formed fields; the cookies are
    // the cookie fields, in order.
    Check(cookies.has_value() == fields.has_value());
    if (!cookies) return;
    std::vector<std::string> expected;
    for (const auto& [type, value] : *fields) {
        if (type == 0x0204) expected.push_back(value);
    }
    Check(*cookies == expected);
    Check(!OpenNtsReply(reply, std::string(32, 'v'), kKey));
}

void Request(std::string_view cookie, std::size_t placeholders) {
    if (cookie.size() > 1000) return;
    NtsRequestParts parts;
    parts.transmit = 0x1234567890ABCDEFu;
    parts.uniqueId = kUniqueId;
    parts.cookie = cookie;
    parts.placeholders = placeholders % 8;
    parts.c2sKey = kKey;
    parts.nonce = std::string(16, 'n');
    const auto request = BuildNtsRequest(parts);
    Check(request.has_value());
    const auto fields = Fields(std::string_view(*request).substr(48));
    Check(fields.has_value() && fields->size() == 3 + parts.placeholders);
    Check((*fields)[0].second == kUniqueId);
    Check((*fields)[1].second.substr(0, cookie.size()) == cookie);
    Check(fields->back().first == 0x0404);
    const std::string& auth = fields->back().second;
    const std::size_t authStart = request->size() - 4 - auth.size();
    Check(SivOpen(kKey, {std::string_view(*request).substr(0, authStart), parts.nonce},
                  std::string_view(auth).substr(4 + 16, 16)) == std::string());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::string_view rest(reinterpret_cast<const char*>(data + 2), size - 2);
    switch (data[0] % 4) {
        case 0:
            KeResponse(rest, data[1] + std::size_t{1});
            break;
        case 1:
            OpenNtsReply(rest, kUniqueId, kKey);
            IsNtsNak(rest, kUniqueId);
            break;
        case 2:
            SealedReply(rest);
            break;
        default:
            Request(rest, data[1]);
            break;
    }
    return 0;
}
