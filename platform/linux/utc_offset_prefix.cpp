#include "platform/linux/utc_offset_prefix.h"

#include <cstdio>
#include <cstdlib>

namespace horavia {

std::string UtcOffsetPrefix(std::int32_t offsetSeconds, bool isUniversalTime) {
    const std::int32_t minutes = offsetSeconds / 60;
    if (minutes == 0 && isUniversalTime) return "(UTC) ";
    const long magnitude = std::labs(static_cast<long>(minutes));
    char text[32];
    std::snprintf(text, sizeof text, "(UTC%c%02ld:%02ld) ", minutes < 0 ? '-' : '+', magnitude / 60,
                  magnitude % 60);
    return text;
}

}  // namespace horavia
