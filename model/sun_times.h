// Day, twilight and night at a place: the state at an instant, and the sunrise and sunset of a
// zone's calendar day, from the sun's position (model/solar.h).
#pragma once

#include <optional>

#include "model/instant.h"
#include "tz/zone_rules.h"

namespace horavia {

enum class SunState { Day, CivilTwilight, NauticalTwilight, AstronomicalTwilight, Night };

// By the sun's elevation (kSunriseElevation, civil, nautical, astronomical limits of
// model/solar.h) at a place (degrees north, degrees east).
SunState SunStateAt(Instant t, double latitude, double longitude);

// The sun on the zone's calendar day that contains t (the day on the zone's own wall clock).
struct SunDay {
    enum class Kind { RiseAndSet, UpAllDay, DownAllDay };
    Kind kind = Kind::RiseAndSet;
    std::optional<Instant> sunrise;  // to the minute; either may be missing on the days around
    std::optional<Instant> sunset;   // polar day or night
};

// The first rise and the last set of the day (a rise or set is when the sun's upper edge
// meets the horizon, kSunriseElevation), to the minute. A day without either is UpAllDay or
// DownAllDay.
SunDay SunDayAt(Instant t, double latitude, double longitude, const ZoneRules& zone);

}  // namespace horavia
