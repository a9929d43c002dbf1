#include "sync/server_test_text.h"

#include <charconv>

#include "sync/server_name.h"

namespace horavia {

namespace {

std::int64_t FloorSeconds(std::int64_t ms) {
    return ms >= 0 ? ms / 1000 : -((-ms + 999) / 1000);
}

std::int64_t NearestSeconds(std::int64_t ms) {
    return ms >= 0 ? (ms + 500) / 1000 : -((-ms + 500) / 1000);
}

// Milliseconds with one decimal, whatever the locale.
std::string Milliseconds(double ms) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, ms, std::chars_format::fixed, 1);
    return std::string(text, end.ptr);
}

}  // namespace

ServerDifference MeasureServerDifference(const std::string& server, Instant serverUtc,
                                         Instant clockUtc) {
    const std::int64_t serverMs = UnixMsOf(serverUtc);
    const std::int64_t clockMs = UnixMsOf(clockUtc);
    ServerDifference difference;
    if (IsNtpServer(server)) {
        difference.ms = serverMs - clockMs;
        difference.seconds = NearestSeconds(*difference.ms);
    } else {
        difference.seconds = FloorSeconds(serverMs) - FloorSeconds(clockMs);
    }
    return difference;
}

Message DifferenceMessage(const ServerDifference& difference, MessageId seconds,
                          MessageId secondsAndMs) {
    if (!difference.ms) return {seconds, {std::to_string(difference.seconds)}};
    return {secondsAndMs, {std::to_string(difference.seconds), std::to_string(*difference.ms)}};
}

Message DifferenceLine(const ServerDifference& difference) {
    return DifferenceMessage(difference, MessageId::DifferenceWithLocalTime,
                             MessageId::DifferenceWithLocalTimeMs);
}

MessageLines ServerTestText(const std::string& server, std::int32_t respons,
                            const ServerDifference& difference) {
    return {{MessageId::ServerName, {server}},
            {MessageId::ResponseTime, {std::to_string(respons)}},
            DifferenceLine(difference)};
}

MessageLines AnswerDetails(bool authenticated, std::optional<double> offsetMs,
                           std::optional<double> delayMs) {
    if (!offsetMs) return {};
    MessageLines details{{authenticated ? MessageId::AuthenticatedYes : MessageId::AuthenticatedNo},
                         {MessageId::Offset, {Milliseconds(*offsetMs)}}};
    if (delayMs) details.push_back({MessageId::RoundTripDelay, {Milliseconds(*delayMs)}});
    return details;
}

MessageLines ConnectionFailedText(const TimeAnswer& answer) {
    MessageLines text{{MessageId::ConnectionFailed}};
    if (answer.problem) text.push_back(*answer.problem);
    return text;
}

}  // namespace horavia
