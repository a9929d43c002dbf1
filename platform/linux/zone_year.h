// A zone's year as the registry describes it: a standard offset and one daylight period.
#pragma once

#include "platform/linux/tzi_record.h"
#include "platform/linux/zone_timeline.h"

namespace horavia {

struct ZoneYear {
    TziRecord tzi;
    // Periods of daylight time in the year (one across New Year counts once); when there are
    // several, the record holds the longest.
    int daylightPeriods = 0;
};

// Reads the zone's offsets over the given calendar year of its own clock. The lower offset of
// the year is standard time and any higher one daylight time, whatever the tz database calls
// them: a zone whose "standard" time is the summer one (negative daylight saving) comes out
// with the winter offset as standard, as the registry holds it. A year without a change gives
// all-zero dates and no daylight bias.
ZoneYear ComputeZoneYear(const ZoneTimeline& zone, int year);

}  // namespace horavia
