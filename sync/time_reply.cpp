#include "sync/time_reply.h"

namespace horavia {

std::optional<std::uint32_t> ReplySeconds(std::string_view reply) {
    if (reply.size() < 4) return std::nullopt;
    std::uint32_t seconds = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        seconds = (seconds << 8) | static_cast<unsigned char>(reply[i]);
    }
    return seconds;
}

std::optional<DayCount> DecodeTimeReply(std::string_view reply) {
    const auto seconds = ReplySeconds(reply);
    if (!seconds) return std::nullopt;
    return static_cast<double>(*seconds) / 86400.0 + 2.0;
}

}  // namespace horavia
