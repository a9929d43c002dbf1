// A zone's year as the registry describes one: a standard offset and one daylight period.
#pragma once

#include <cstdint>

#include "tz/civil_days.h"
#include "tz/zone_timeline.h"

namespace horavia {

struct ZoneYear {
    // Seconds east of Greenwich: the lowest offset of the year, and the highest one of its
    // longest daylight period (the standard offset when there is none).
    std::int32_t standardOffset = 0;
    std::int32_t daylightOffset = 0;
    // Periods of daylight time in the year (one across New Year counts once).
    int daylightPeriods = 0;
    // The longest period's changes, each in the zone's clock reading just before it: the start
    // in standard time, the end in daylight time. A period cut by the start or the end of the
    // year (a zone that changed its offset for good) begins at 1 January 00:00 or ends at
    // 31 December 23:59:59.999. Meaningful only when there is a daylight period.
    CivilTime daylightStarts;
    CivilTime daylightEnds;
};

// Reads the zone's offsets over the given calendar year of its own clock. The lower offset of
// the year is standard time and any higher one daylight time, whatever the tz database calls
// them: a zone whose "standard" time is the summer one (negative daylight saving) comes out
// with the winter offset as standard, as the registry holds it.
ZoneYear ComputeZoneYear(const ZoneTimeline& zone, int year);

}  // namespace horavia
