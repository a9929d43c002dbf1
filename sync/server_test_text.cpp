#include "sync/server_test_text.h"

#include <cmath>

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

std::int64_t ServerDifferenceSeconds(DayCount dAtomDate, DayCount nowLocal,
                                     std::int32_t localBias) {
    const std::int64_t serverMs = UnixMsFromDayCount(dAtomDate);
    const std::int64_t computerUtcMs =
        UnixMsFromDayCount(nowLocal) + static_cast<std::int64_t>(localBias) * 60'000;
    return FloorSeconds(serverMs) - FloorSeconds(computerUtcMs);
}

std::int64_t ServerDifferenceMs(DayCount dAtomDate, DayCount nowLocal, std::int32_t localBias) {
    // Subtracted as day counts first: each one alone only holds about a microsecond.
    const double days = dAtomDate - (nowLocal + localBias / 1440.0);
    return std::llround(days * static_cast<double>(kMsPerDay));
}

ServerDifference MeasureServerDifference(const std::string& server, DayCount dAtomDate,
                                         DayCount nowLocal, std::int32_t localBias) {
    ServerDifference difference;
    if (IsNtpServer(server)) {
        difference.ms = ServerDifferenceMs(dAtomDate, nowLocal, localBias);
        difference.seconds = NearestSeconds(*difference.ms);
    } else {
        difference.seconds = ServerDifferenceSeconds(dAtomDate, nowLocal, localBias);
    }
    return difference;
}

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
