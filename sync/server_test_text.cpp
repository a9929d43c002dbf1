#include "sync/server_test_text.h"

namespace horavia {

namespace {

std::int64_t FloorSeconds(std::int64_t ms) {
    return ms >= 0 ? ms / 1000 : -((-ms + 999) / 1000);
}

}  // namespace

std::int64_t ServerDifferenceSeconds(DayCount dAtomDate, DayCount nowLocal,
                                     std::int32_t localBias) {
    const std::int64_t serverMs = UnixMsFromDayCount(dAtomDate);
    const std::int64_t computerUtcMs =
        UnixMsFromDayCount(nowLocal) + static_cast<std::int64_t>(localBias) * 60'000;
    return FloorSeconds(serverMs) - FloorSeconds(computerUtcMs);
}

std::string ServerTestText(const std::string& server, std::int32_t respons,
                           std::int64_t differenceSeconds, const std::string& lineBreak) {
    return "Name: " + server + lineBreak + "Respons time: " + std::to_string(respons) + " ms" +
           lineBreak + "Difference with local time: " + std::to_string(differenceSeconds) + " s";
}

}  // namespace horavia
