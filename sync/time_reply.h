// Decoding a Time Protocol (RFC 868) reply: four bytes, seconds since 1900-01-01 00:00 UTC,
// most significant byte first.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "model/day_count.h"

namespace horavia {

// Seconds since 1900 from the first four bytes; bytes beyond the fourth are ignored.
// Empty when the reply is shorter than four bytes.
std::optional<std::uint32_t> ReplySeconds(std::string_view reply);

// The server's UTC time as a day count: seconds / 86400 + 2 (day 2 is 1900-01-01).
std::optional<DayCount> DecodeTimeReply(std::string_view reply);

}  // namespace horavia
