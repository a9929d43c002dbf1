#include "sync/ntp_packet.h"

#include "sync/time_reply.h"

namespace horavia {

namespace {

constexpr std::int64_t kMicrosPerSecond = 1'000'000;
constexpr double kFractionUnit = 4294967296.0;  // 2^32: one second in timestamp units
constexpr std::uint64_t kNonceMask = (1u << 22) - 1;

constexpr int kModeClient = 3;
constexpr int kModeServer = 4;
constexpr int kLeapUnsynchronised = 3;
constexpr int kStratumKissOfDeath = 0;
constexpr int kStratumMax = 15;

constexpr std::size_t kStratumOffset = 1;
constexpr std::size_t kReferenceIdOffset = 12;
constexpr std::size_t kOriginateOffset = 24;
constexpr std::size_t kReceiveOffset = 32;
constexpr std::size_t kTransmitOffset = 40;

NtpTimestamp ReadTimestamp(std::string_view packet, std::size_t at) {
    NtpTimestamp t = 0;
    for (std::size_t i = 0; i < 8; ++i) t = (t << 8) | static_cast<unsigned char>(packet[at + i]);
    return t;
}

void WriteTimestamp(std::string& packet, std::size_t at, NtpTimestamp t) {
    for (std::size_t i = 0; i < 8; ++i) {
        packet[at + 7 - i] = static_cast<char>(t & 0xFFu);
        t >>= 8;
    }
}

// RATE asks the client to wait, DENY and RSTR turn it away; every other code (INIT, STEP, ...)
// means the server has no time to give yet.
QueryFailure RefusalOfKissCode(const std::string& code) {
    if (code == "RATE") return QueryFailure::AskLessOften;
    if (code == "DENY" || code == "RSTR") return QueryFailure::RefusesClient;
    return QueryFailure::Unsynchronised;
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a / b - ((a % b != 0 && (a < 0) != (b < 0)) ? 1 : 0);
}

}  // namespace

NtpTimestamp NtpTimestampFromUnixMicros(std::int64_t micros) {
    const std::int64_t seconds = FloorDiv(micros, kMicrosPerSecond);
    const std::int64_t rest = micros - seconds * kMicrosPerSecond;  // 0 .. 999999
    const auto era = static_cast<std::uint64_t>(seconds + kSecondsFrom1900To1970) & 0xFFFF'FFFFu;
    const auto fraction = (static_cast<std::uint64_t>(rest) << 32) / kMicrosPerSecond;
    return (era << 32) | fraction;
}

NtpTimestamp AddMicros(NtpTimestamp t, std::int64_t micros) {
    const std::int64_t seconds = FloorDiv(micros, kMicrosPerSecond);
    const std::int64_t rest = micros - seconds * kMicrosPerSecond;  // 0 .. 999999
    // rest * 2^32 / 10^6 = rest * 2^26 / 5^6
    const auto fraction = static_cast<std::uint64_t>(rest * (std::int64_t{1} << 26) / 15625);
    return t + (static_cast<std::uint64_t>(seconds) << 32) + fraction;
}

double NtpSecondsBetween(NtpTimestamp a, NtpTimestamp b) {
    return static_cast<double>(static_cast<std::int64_t>(a - b)) / kFractionUnit;
}

NtpTimestamp WithNonce(NtpTimestamp sendTime, std::uint32_t random) {
    return (sendTime & ~kNonceMask) | (random & kNonceMask);
}

std::string BuildSntpRequest(NtpTimestamp transmit) {
    std::string packet(kNtpPacketSize, '\0');
    packet[0] = static_cast<char>((0 << 6) | (4 << 3) | kModeClient);
    WriteTimestamp(packet, kTransmitOffset, transmit);
    return packet;
}

SntpReply ReadSntpReply(std::string_view packet, NtpTimestamp sent, NtpTimestamp t1,
                        NtpTimestamp t4) {
    SntpReply reply;
    if (packet.size() < kNtpPacketSize) return reply;
    const auto first = static_cast<unsigned char>(packet[0]);
    const int leap = first >> 6;
    const int version = (first >> 3) & 7;
    const int mode = first & 7;
    if (mode != kModeServer || version < 1) return reply;
    // Only the real server knows the timestamp this request carried.
    if (ReadTimestamp(packet, kOriginateOffset) != sent) return reply;

    reply.verdict = SntpVerdict::Refused;
    reply.stratum = static_cast<unsigned char>(packet[kStratumOffset]);
    if (reply.stratum == kStratumKissOfDeath) {
        for (std::size_t i = 0; i < 4; ++i) {
            const char c = packet[kReferenceIdOffset + i];
            if (c >= ' ' && c <= '~') reply.kissCode.push_back(c);
        }
        reply.refusal = RefusalOfKissCode(reply.kissCode);
        return reply;
    }
    if (leap == kLeapUnsynchronised || reply.stratum > kStratumMax) {
        reply.refusal = QueryFailure::Unsynchronised;
        return reply;
    }
    const NtpTimestamp t2 = ReadTimestamp(packet, kReceiveOffset);
    const NtpTimestamp t3 = ReadTimestamp(packet, kTransmitOffset);
    if (t2 == 0 || t3 == 0) {
        reply.refusal = QueryFailure::Incomplete;
        return reply;
    }

    reply.verdict = SntpVerdict::Answer;
    reply.offsetSeconds = (NtpSecondsBetween(t2, t1) + NtpSecondsBetween(t3, t4)) / 2;
    reply.delaySeconds = NtpSecondsBetween(t4, t1) - NtpSecondsBetween(t3, t2);
    return reply;
}

}  // namespace horavia
