#include "model/sun_times.h"

#include "model/solar.h"

namespace horavia {

SunState SunStateAt(Instant t, double latitude, double longitude) {
    const double elevation = SunElevation(SunAt(t), latitude, longitude);
    if (elevation >= kSunriseElevation) return SunState::Day;
    return SunState::Night;
}

SunDay SunDayAt(Instant, double, double, const ZoneRules&) {
    return {};
}

}  // namespace horavia
