#include "sync/time_reply.h"

#include <chrono>

namespace horavia {

namespace {

// Far beyond any clock (about 35,000 years): keeps the era arithmetic inside 64 bits.
constexpr std::int64_t kSaneSeconds = std::int64_t{1} << 40;

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

std::int64_t SecondsSince1900(Instant t) {
    return std::chrono::floor<std::chrono::seconds>(t).time_since_epoch().count() +
           kSecondsFrom1900To1970;
}

Instant InstantOfSeconds1900(std::int64_t seconds) {
    return Instant{std::chrono::seconds(seconds - kSecondsFrom1900To1970)};
}

std::optional<Instant> DecodeTimeReplyNear(std::string_view reply, Instant nowUtc) {
    const auto seconds = ReplySeconds(reply);
    if (!seconds) return std::nullopt;
    // No server's time precedes 1900, the count's start: a clock that near 1900 reads the
    // first era.
    const std::int64_t reference = SecondsSince1900(nowUtc);
    if (reference < -kSaneSeconds || reference > kSaneSeconds) {
        return InstantOfSeconds1900(*seconds);  // no clock to go by
    }
    std::int64_t since1900 = NearestEraSeconds(*seconds, reference);
    if (since1900 < 0) since1900 += std::int64_t{1} << 32;
    return InstantOfSeconds1900(since1900);
}

}  // namespace horavia
