// Where the sun stands, from the NOAA solar-position equations (good to well under a minute of
// time between 1900 and 2100): the point on earth where it is overhead, and its height above
// the horizon seen from any place.
#pragma once

#include "model/instant.h"

namespace horavia {

struct SunPosition {
    double declination = 0;        // degrees north: the latitude where the sun is overhead
    double subsolarLongitude = 0;  // degrees east, in [-180, 180): where it is solar noon
    double equationOfTime = 0;     // minutes: apparent minus mean solar time
};

SunPosition SunAt(Instant t);

// The sun's geometric elevation in degrees (no refraction) seen from a place (degrees north,
// degrees east) while the sun stands at pos.
double SunElevation(const SunPosition& pos, double latitude, double longitude);

// The elevations that bound day and the three twilights, in degrees. A rise or set is when the
// sun's upper edge meets the horizon: half a degree of refraction and a quarter degree of radius.
inline constexpr double kSunriseElevation = -0.833;
inline constexpr double kCivilTwilightElevation = -6.0;
inline constexpr double kNauticalTwilightElevation = -12.0;
inline constexpr double kAstronomicalTwilightElevation = -18.0;

}  // namespace horavia
