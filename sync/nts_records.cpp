#include "sync/nts_records.h"

#include "sync/nts_aead.h"

namespace horavia {

namespace {

// Key-establishment record types; the top bit of the type is the critical bit.
constexpr std::uint16_t kCritical = 0x8000;
constexpr std::uint16_t kEndOfMessage = 0;
constexpr std::uint16_t kNextProtocol = 1;
constexpr std::uint16_t kError = 2;
constexpr std::uint16_t kWarning = 3;
constexpr std::uint16_t kAeadAlgorithm = 4;
constexpr std::uint16_t kNewCookie = 5;
constexpr std::uint16_t kServer = 6;
constexpr std::uint16_t kPort = 7;

// NTP extension field types.
constexpr std::uint16_t kUniqueIdField = 0x0104;
constexpr std::uint16_t kCookieField = 0x0204;
constexpr std::uint16_t kPlaceholderField = 0x0304;
constexpr std::uint16_t kAuthenticatorField = 0x0404;
constexpr std::size_t kFieldHeader = 4;
constexpr std::size_t kMinFieldSize = 16;

std::uint16_t Read16(std::string_view s, std::size_t at) {
    return static_cast<std::uint16_t>((static_cast<unsigned char>(s[at]) << 8) |
                                      static_cast<unsigned char>(s[at + 1]));
}

void Append16(std::string& out, std::size_t value) {
    out.push_back(static_cast<char>((value >> 8) & 0xFFu));
    out.push_back(static_cast<char>(value & 0xFFu));
}

void AppendRecord(std::string& out, std::uint16_t type, std::string_view body) {
    Append16(out, type | kCritical);
    Append16(out, body.size());
    out.append(body);
}

std::string Body16(std::uint16_t value) {
    std::string body;
    Append16(body, value);
    return body;
}

std::size_t Padded(std::size_t size) {
    return (size + 3) / 4 * 4;
}

// One extension field, padded to a whole word and at least the smallest size a field has.
void AppendField(std::string& out, std::uint16_t type, std::string_view body) {
    const std::size_t size = std::max(Padded(kFieldHeader + body.size()), kMinFieldSize);
    Append16(out, type);
    Append16(out, size);
    out.append(body);
    out.append(size - kFieldHeader - body.size(), '\0');
}

struct Field {
    std::uint16_t type = 0;
    std::size_t start = 0;  // of its header, from the start of the packet
    std::string_view body;  // padding included
};

// The extension fields from `from` on; nothing when they do not tile the rest exactly.
std::optional<std::vector<Field>> ReadFields(std::string_view packet, std::size_t from) {
    std::vector<Field> fields;
    std::size_t at = from;
    while (at < packet.size()) {
        if (packet.size() - at < kFieldHeader) return std::nullopt;
        const std::size_t size = Read16(packet, at + 2);
        if (size < kFieldHeader || size % 4 != 0 || size > packet.size() - at) return std::nullopt;
        fields.push_back(
            {Read16(packet, at), at, packet.substr(at + kFieldHeader, size - kFieldHeader)});
        at += size;
    }
    return fields;
}

std::string KeErrorText(std::uint16_t code) {
    switch (code) {
        case 0:
            return "the server did not recognise a critical record";
        case 1:
            return "the server called the request bad";
        case 2:
            return "the server had an internal error";
        default:
            return "the server reported error " + std::to_string(code);
    }
}

}  // namespace

std::string NtsExporterContext(bool serverToClient) {
    std::string context = Body16(kNtsNextProtocolNtpV4) + Body16(kAeadAesSivCmac256);
    context.push_back(serverToClient ? '\x01' : '\x00');
    return context;
}

std::string BuildNtsKeRequest() {
    std::string request;
    AppendRecord(request, kNextProtocol, Body16(kNtsNextProtocolNtpV4));
    AppendRecord(request, kAeadAlgorithm, Body16(kAeadAesSivCmac256));
    AppendRecord(request, kEndOfMessage, {});
    return request;
}

const NtsKeResponse& NtsKeResponseReader::Feed(std::string_view bytes) {
    if (response_.state != NtsKeResponse::State::Incomplete) return response_;
    // Nothing past the limit is kept: a response that has not ended within it has failed.
    const std::size_t room = kNtsKeLargestResponse - bytesTaken_;
    const bool overflowing = bytes.size() > room;
    const std::string_view taken = bytes.substr(0, room);
    bytesTaken_ += taken.size();
    pending_.append(taken);
    std::size_t at = 0;
    while (response_.state == NtsKeResponse::State::Incomplete && pending_.size() - at >= 4) {
        const std::size_t length = Read16(pending_, at + 2);
        if (pending_.size() - at - 4 < length) break;  // the rest is still coming
        if (++records_ > kNtsKeMostRecords) {
            Fail("the server sent more than " + std::to_string(kNtsKeMostRecords) +
                 " key-exchange records");
            break;
        }
        ReadRecord(Read16(pending_, at), std::string_view(pending_).substr(at + 4, length));
        at += 4 + length;
    }
    pending_.erase(0, at);
    if (response_.state == NtsKeResponse::State::Incomplete && overflowing) {
        Fail("the server sent more than " + std::to_string(kNtsKeLargestResponse / 1024) +
             " KiB of key-exchange records");
    }
    if (response_.state != NtsKeResponse::State::Incomplete) pending_ = std::string();
    return response_;
}

void NtsKeResponseReader::Fail(std::string problem) {
    response_.state = NtsKeResponse::State::Failed;
    response_.problem = std::move(problem);
    response_.cookies.clear();
}

void NtsKeResponseReader::ReadRecord(std::uint16_t rawType, std::string_view body) {
    const auto type = static_cast<std::uint16_t>(rawType & ~kCritical);
    switch (type) {
        case kEndOfMessage:
            if (!protocolSeen_) return Fail("the server offered no time protocol");
            if (!aeadSeen_) return Fail("the server offered no cipher");
            if (response_.cookies.empty()) return Fail("the server sent no cookies");
            response_.state = NtsKeResponse::State::Complete;
            return;
        case kNextProtocol:
            // Exactly one record, naming the one protocol asked for.
            if (protocolSeen_ || body.size() != 2 || Read16(body, 0) != kNtsNextProtocolNtpV4) {
                return Fail("the server does not offer NTPv4");
            }
            protocolSeen_ = true;
            return;
        case kError:
            return Fail(body.size() == 2 ? KeErrorText(Read16(body, 0))
                                         : "the server reported an error");
        case kWarning:
            // No warning is defined: one the client cannot read leaves the exchange void.
            return Fail("the server sent a warning");
        case kAeadAlgorithm:
            if (aeadSeen_ || body.size() != 2 || Read16(body, 0) != kAeadAesSivCmac256) {
                return Fail("the server does not offer AES-SIV-CMAC-256");
            }
            aeadSeen_ = true;
            return;
        case kNewCookie:
            if (body.size() > kNtsLargestCookie) {
                return Fail("the server sent a cookie larger than " +
                            std::to_string(kNtsLargestCookie) + " bytes");
            }
            if (!body.empty() && response_.cookies.size() < kNtsCookiesWanted) {
                response_.cookies.emplace_back(body);
            }
            return;
        case kServer:
            if (body.empty()) return Fail("the server named no NTP server");
            for (const char c : body) {
                if (c <= ' ' || c > '~') return Fail("the server named an unreadable NTP server");
            }
            response_.ntpServer.assign(body);
            return;
        case kPort:
            if (body.size() != 2) return Fail("the server named an unreadable NTP port");
            response_.ntpPort = Read16(body, 0);
            return;
        default:
            if ((rawType & kCritical) != 0)
                return Fail("the server sent an unknown critical record");
            return;
    }
}

NtsKeResponse ReadNtsKeResponse(std::string_view received) {
    NtsKeResponseReader reader;
    return reader.Feed(received);
}

std::optional<std::string> BuildNtsRequest(const NtsRequestParts& parts) {
    std::string packet = BuildSntpRequest(parts.transmit);
    AppendField(packet, kUniqueIdField, parts.uniqueId);
    AppendField(packet, kCookieField, parts.cookie);
    // A placeholder is as long as the cookie, so that the reply is no larger than the request.
    for (std::size_t i = 0; i < parts.placeholders; ++i) {
        AppendField(packet, kPlaceholderField, std::string(parts.cookie.size(), '\0'));
    }
    const auto sealed = SivSeal(parts.c2sKey, {packet, parts.nonce}, {});
    if (!sealed) return std::nullopt;
    std::string body;
    Append16(body, parts.nonce.size());
    Append16(body, sealed->size());
    body += parts.nonce;
    body.append(Padded(parts.nonce.size()) - parts.nonce.size(), '\0');
    body += *sealed;
    body.append(Padded(sealed->size()) - sealed->size(), '\0');
    AppendField(packet, kAuthenticatorField, body);
    return packet;
}

std::optional<std::vector<std::string>> OpenNtsReply(std::string_view packet,
                                                     std::string_view uniqueId,
                                                     std::string_view s2cKey) {
    if (packet.size() < kNtpPacketSize) return std::nullopt;
    const auto fields = ReadFields(packet, kNtpPacketSize);
    if (!fields) return std::nullopt;
    bool ours = false;
    for (const Field& field : *fields) {
        if (field.type == kUniqueIdField) {
            ours = ours || (!uniqueId.empty() && field.body.substr(0, uniqueId.size()) == uniqueId);
            continue;
        }
        if (field.type != kAuthenticatorField) continue;
        // Only what comes before the authenticator is vouched for by it.
        if (!ours || field.body.size() < 4) return std::nullopt;
        const std::size_t nonceSize = Read16(field.body, 0);
        const std::size_t sealedSize = Read16(field.body, 2);
        if (4 + Padded(nonceSize) + Padded(sealedSize) > field.body.size()) return std::nullopt;
        const std::string_view nonce = field.body.substr(4, nonceSize);
        const std::string_view sealed = field.body.substr(4 + Padded(nonceSize), sealedSize);
        const auto plaintext = SivOpen(s2cKey, {packet.substr(0, field.start), nonce}, sealed);
        if (!plaintext) return std::nullopt;
        const auto inner = ReadFields(*plaintext, 0);
        if (!inner) return std::nullopt;
        std::vector<std::string> cookies;
        for (const Field& cookie : *inner) {
            if (cookie.type == kCookieField) cookies.emplace_back(cookie.body);
        }
        return cookies;
    }
    return std::nullopt;
}

bool IsNtsNak(std::string_view packet, std::string_view uniqueId) {
    if (packet.size() < kNtpPacketSize || packet[1] != 0 || packet.substr(12, 4) != "NTSN") {
        return false;
    }
    const auto fields = ReadFields(packet, kNtpPacketSize);
    if (!fields) return false;
    for (const Field& field : *fields) {
        if (field.type == kUniqueIdField && !uniqueId.empty() &&
            field.body.substr(0, uniqueId.size()) == uniqueId) {
            return true;
        }
    }
    return false;
}

}  // namespace horavia
