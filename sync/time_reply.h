// Decoding a Time Protocol (RFC 868) reply: four bytes, seconds since 1900-01-01 00:00 UTC,
// most significant byte first. The count wraps every 2^32 seconds (first on 2036-02-07
// 06:28:16 UTC), so a reply names one moment in each 136-year era; the computer's clock picks
// the era.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "model/instant.h"

namespace horavia {

inline constexpr std::int64_t kSecondsFrom1900To1970 = 2'208'988'800;

// Seconds since 1900 from the first four bytes; bytes beyond the fourth are ignored.
// Empty when the reply is shorter than four bytes.
std::optional<std::uint32_t> ReplySeconds(std::string_view reply);

// The count of seconds since 1900 (negative before it) that has `seconds` as its low 32 bits
// and lies nearest to `referenceSeconds`: the same reading in whichever era the reference is.
std::int64_t NearestEraSeconds(std::uint32_t seconds, std::int64_t referenceSeconds);

// Whole seconds since 1900 of an instant (rounded down).
std::int64_t SecondsSince1900(Instant t);

// The instant of a count of seconds since 1900.
Instant InstantOfSeconds1900(std::int64_t seconds);

// The server's time read in the era nearest to nowUtc, the computer's clock.
std::optional<Instant> DecodeTimeReplyNear(std::string_view reply, Instant nowUtc);

}  // namespace horavia
