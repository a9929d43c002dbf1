// How far a clock's zone is from the computer's own time, for the optional marker after each
// clock's time.
#pragma once

#include <cstdint>
#include <string>

#include "model/instant.h"
#include "model/zone_catalogue.h"

namespace horavia {

// The zone's time minus the computer's at the instant t: "+9 h", "−3 h 30", "±0", followed by
// " tomorrow" or " yesterday" when the zone's date is not the computer's (its zone given as a
// timeline). Empty for the pseudo-zones other than UTC, which
// keep no time of day of their own, and for an unknown zone.
std::string RelativeOffsetText(const ZoneCatalogue& catalogue, int zone, Instant t,
                               const ZoneRules& computerZone);

}  // namespace horavia
