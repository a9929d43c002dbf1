// The only way a zone becomes display text.
#pragma once

#include <cstdint>
#include <string>

#include "model/day_count.h"
#include "model/instant.h"
#include "model/locale_info.h"
#include "model/zone_catalogue.h"

namespace horavia {

inline constexpr const char* kInvalidFormat = "Invalid Format!!";

// The time of catalogue zone `zone` at the instant t, written with `format`; the pseudo-zones
// give their own scales. The population pseudo-zone, which counts by a local clock, counts
// from the reading `localTime`. "Invalid Format!!" when the text cannot be written.
std::string FormatZoneTimeAt(const ZoneCatalogue& catalogue, int zone, Instant t,
                             DayCount localTime, const std::string& format,
                             const LocaleInfo& locale);

}  // namespace horavia
