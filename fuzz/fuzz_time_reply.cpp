// Fuzzes what a time server's reply goes through: a Time Protocol reply read in the era of the
// computer's clock, or an NTP reply checked against the request; then the difference with the
// computer's clock, the Test button's text and the synchronisation's minutes and question. Any
// bytes must give a result or a clean failure.
//
// Input: byte 0 picks the protocol (bit 0) and, for NTP, whether the reply echoes the request
// (bit 1); byte 1 is not read; bytes 2..9 the computer's clock; bytes 10..13 the
// request's nonce and the reply's arrival; the rest is the reply's first chunk or datagram.
#include <chrono>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "sync/ntp_packet.h"
#include "sync/server_test_text.h"
#include "sync/sync_time.h"
#include "sync/time_reply.h"
#include "ui/main/message_text.h"

namespace {

using namespace horavia;

constexpr std::int64_t kEraSeconds = std::int64_t{1} << 32;
constexpr std::int64_t kSecondsTo2200 = 300LL * 31'556'952;  // 1900..2200
// A computer's clock reads 1970 or later; day counts before their zero (1899-12-30) also
// count a day's time the other way, which the clock never meets.

std::uint64_t Read64(const std::uint8_t* bytes) {
    std::uint64_t v = 0;
    std::memcpy(&v, bytes, sizeof v);
    return v;
}

// The checks every answer must pass, whatever the protocol.
void CheckAnswer(const std::string& server, Instant serverUtc, Instant now) {
    if (!IsCalendarInstant(serverUtc)) Fail();
    const ServerDifference difference = MeasureServerDifference(server, serverUtc, now);
    const QString text = MessageText(ServerTestText(server, 17, difference));
    if (!text.contains(MessageText(DifferenceLine(difference)))) Fail();
    const std::int32_t minutes = DifferenceMinutes(now, serverUtc);
    if (minutes < 0) Fail();
    (void)SyncQuestionText(minutes);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 14) return 0;
    const bool ntp = (data[0] & 1) != 0;
    const auto nowSeconds =
        kSecondsFrom1900To1970 +
        static_cast<std::int64_t>(Read64(data + 2) % (kSecondsTo2200 - kSecondsFrom1900To1970));
    const Instant nowUtc = InstantOfSeconds1900(nowSeconds);
    std::uint32_t extra = 0;
    std::memcpy(&extra, data + 10, sizeof extra);
    std::string reply(reinterpret_cast<const char*>(data + 14), size - 14);

    if (!ntp) {
        const auto seconds = ReplySeconds(reply);
        const auto decoded = DecodeTimeReplyNear(reply, nowUtc);
        if (seconds.has_value() != (reply.size() >= 4) ||
            decoded.has_value() != seconds.has_value()) {
            Fail();
        }
        if (!decoded) return 0;
        // The reply's own seconds, in the era nearest to the computer's clock.
        const std::int64_t since1900 = SecondsSince1900(*decoded);
        if (InstantOfSeconds1900(since1900) != *decoded) Fail();
        if (static_cast<std::uint32_t>(static_cast<std::uint64_t>(since1900)) != *seconds) Fail();
        // The nearest era, unless that one would begin before 1900.
        if (since1900 < 0) Fail();
        if (std::llabs(since1900 - nowSeconds) > kEraSeconds / 2 && since1900 >= kEraSeconds) {
            Fail();
        }
        const ServerDifference difference =
            MeasureServerDifference("time.example", *decoded, nowUtc);
        if (difference.seconds != since1900 - nowSeconds || difference.ms) Fail();
        CheckAnswer("time.example", *decoded, nowUtc);
        return 0;
    }

    const std::int64_t nowMicros = (nowSeconds - kSecondsFrom1900To1970) * 1'000'000;
    const NtpTimestamp t1 = NtpTimestampFromUnixMicros(nowMicros);
    const NtpTimestamp sent = WithNonce(t1, extra);
    const NtpTimestamp t4 = AddMicros(t1, static_cast<std::int64_t>(extra % 3'000'000));
    if ((data[0] & 2) != 0 && reply.size() >= kNtpPacketSize) {
        for (std::size_t i = 0; i < 8; ++i) {  // the originate timestamp echoes the request
            reply[24 + i] = static_cast<char>((sent >> (56 - 8 * i)) & 0xFFu);
        }
    }
    const SntpReply read = ReadSntpReply(reply, sent, t1, t4);
    if (read.verdict != SntpVerdict::Answer) return 0;
    if (!std::isfinite(read.offsetSeconds) || !std::isfinite(read.delaySeconds)) Fail();
    if (std::fabs(read.offsetSeconds) > static_cast<double>(kEraSeconds)) Fail();
    const auto offset = std::chrono::milliseconds(std::llround(read.offsetSeconds * 1000.0));
    CheckAnswer("ntp:time.example", nowUtc + offset, nowUtc);
    return 0;
}
