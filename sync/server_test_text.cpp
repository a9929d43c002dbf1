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
    return std::string(text, end.ptr) + " ms";
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

std::string DifferenceAmount(const ServerDifference& difference) {
    std::string amount = std::to_string(difference.seconds) + " s";
    if (difference.ms) amount += " (" + std::to_string(*difference.ms) + " ms)";
    return amount;
}

std::string DifferenceLine(const ServerDifference& difference) {
    return "Difference with local time: " + DifferenceAmount(difference);
}

std::string ServerTestText(const std::string& server, std::int32_t respons,
                           const ServerDifference& difference, const std::string& lineBreak) {
    return "Name: " + server + lineBreak + "Respons time: " + std::to_string(respons) + " ms" +
           lineBreak + DifferenceLine(difference);
}

}  // namespace horavia

namespace horavia {

std::string AnswerDetails(bool authenticated, std::optional<double> offsetMs,
                          std::optional<double> delayMs, const std::string& lineBreak) {
    if (!offsetMs) return {};
    std::string details =
        lineBreak + (authenticated ? "Authenticated: yes (NTS)" : "Authenticated: no");
    details += lineBreak + "Offset: " + Milliseconds(*offsetMs);
    if (delayMs) details += lineBreak + "Round-trip delay: " + Milliseconds(*delayMs);
    return details;
}

std::string ConnectionFailedText(const TimeAnswer& answer, const std::string& lineBreak) {
    std::string text = kConnectionFailedText;
    if (!answer.problem.empty()) text += lineBreak + answer.problem;
    return text;
}

}  // namespace horavia
