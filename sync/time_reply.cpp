#include "sync/time_reply.h"

#include <cmath>

namespace horavia {

namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr double kDay1900 = 2.0;
// Far beyond any clock: keeps the conversions below inside 64 bits.
constexpr double kSaneDays = 10'000'000.0;

DayCount DayCountFromSeconds1900(std::int64_t seconds) {
    return static_cast<double>(seconds) / kSecondsPerDay + kDay1900;
}

}  // namespace

std::optional<std::uint32_t> ReplySeconds(std::string_view reply) {
    if (reply.size() < 4) return std::nullopt;
    std::uint32_t seconds = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        seconds = (seconds << 8) | static_cast<unsigned char>(reply[i]);
    }
    return seconds;
}

std::int64_t NearestEraSeconds(std::uint32_t seconds, std::int64_t referenceSeconds) {
    // The step from the reference's low 32 bits to the reply, taken modulo 2^32 and read as
    // signed, is the shortest way round the circle of one era.
    const auto referenceLow =
        static_cast<std::uint32_t>(static_cast<std::uint64_t>(referenceSeconds));
    const auto step = static_cast<std::int32_t>(seconds - referenceLow);
    return referenceSeconds + step;
}

std::optional<std::int64_t> SecondsSince1900(DayCount utc) {
    if (!std::isfinite(utc) || std::fabs(utc) > kSaneDays) return std::nullopt;
    return static_cast<std::int64_t>(std::floor((utc - kDay1900) * kSecondsPerDay));
}

std::optional<DayCount> DecodeTimeReplyNear(std::string_view reply, DayCount nowUtc) {
    const auto seconds = ReplySeconds(reply);
    if (!seconds) return std::nullopt;
    const auto reference = SecondsSince1900(nowUtc);
    if (!reference) return DayCountFromSeconds1900(*seconds);  // no clock to go by
    // No server's time precedes 1900, the count's start: a clock that near 1900 reads the
    // first era.
    std::int64_t since1900 = NearestEraSeconds(*seconds, *reference);
    if (since1900 < 0) since1900 += std::int64_t{1} << 32;
    return DayCountFromSeconds1900(since1900);
}

}  // namespace horavia
