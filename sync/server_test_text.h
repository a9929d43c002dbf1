// The result of testing one time server, as the Test button and `horavia --test-server` show it.
#pragma once

#include <cstdint>
#include <string>

#include "model/day_count.h"

namespace horavia {

// Whole seconds from the computer's clock (local time + bias, i.e. UTC) to the server's
// answer; positive when the server is ahead. Both moments are first cut to whole seconds, as
// the server's answer itself is.
std::int64_t ServerDifferenceSeconds(DayCount dAtomDate, DayCount nowLocal, std::int32_t localBias);

// "Name: ...", "Respons time: ... ms", "Difference with local time: ... s", joined by lineBreak.
std::string ServerTestText(const std::string& server, std::int32_t respons,
                           std::int64_t differenceSeconds, const std::string& lineBreak);

inline constexpr const char* kConnectionFailedText = "Connection failed!";

}  // namespace horavia
