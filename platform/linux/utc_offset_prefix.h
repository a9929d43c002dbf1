// The "(UTC+hh:mm) " that opens a zone's display text.
#pragma once

#include <cstdint>
#include <string>

namespace horavia {

// "(UTC+hh:mm) " or "(UTC-hh:mm) " for an offset in seconds east of Greenwich, seconds beyond
// the minute dropped; "(UTC) " for Coordinated Universal Time itself (other zones at offset 0
// read "(UTC+00:00) ").
std::string UtcOffsetPrefix(std::int32_t offsetSeconds, bool isUniversalTime);

}  // namespace horavia
