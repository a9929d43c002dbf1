#include "sync/server_test_text.h"

#include "sync/server_name.h"

namespace horavia {

namespace {

std::int64_t FloorSeconds(std::int64_t ms) {
    return ms >= 0 ? ms / 1000 : -((-ms + 999) / 1000);
}

std::int64_t NearestSeconds(std::int64_t ms) {
    return ms >= 0 ? (ms + 500) / 1000 : -((-ms + 500) / 1000);
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
