#include "model/sun_times.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "model/solar.h"

namespace horavia {
namespace {

using std::chrono::milliseconds;
using std::chrono::minutes;
using std::chrono::seconds;

constexpr std::int64_t kDaySeconds = 86'400;
// Between samples the sun moves by at most 2.5 degrees; the meridian passages are sampled as
// well, so between two samples the elevation only rises or only falls.
constexpr minutes kSampleStep{10};

double Elevation(Instant t, double latitude, double longitude) {
    return SunElevation(SunAt(t), latitude, longitude);
}

// An angle in degrees folded into [-180, 180).
double Fold(double degrees) {
    const double folded = std::fmod(degrees + 180.0, 360.0);
    return (folded < 0 ? folded + 360.0 : folded) - 180.0;
}

// The first instant from t on when the sun's hour angle at the longitude is `hourAngle`
// degrees (0: it crosses the meridian at its highest, 180: at its lowest). The hour angle
// grows by 360 degrees a day, and the equation of time drifts slowly: a few corrections do.
Instant NextPassage(Instant t, double longitude, double hourAngle) {
    const auto offset = [&](Instant at) {
        return Fold(longitude - SunAt(at).subsolarLongitude - hourAngle);
    };
    const auto dayShare = [](double degrees) {
        return milliseconds(static_cast<std::int64_t>(degrees / 360.0 * kDaySeconds * 1000.0));
    };
    const double ahead = -offset(t);  // degrees still to turn, in (-180, 180]
    Instant passage = t + dayShare(ahead < 0 ? ahead + 360.0 : ahead);
    for (int i = 0; i < 3; ++i) passage -= dayShare(offset(passage));
    return passage;
}

// Where the zone's wall clock reads `wallSeconds` first: a reading the clock skipped starts
// at the change.
Instant FirstInstantShowing(const ZoneRules& zone, std::int64_t wallSeconds) {
    const CivilLookup found = zone.LookUp(wallSeconds);
    const std::int64_t at = found.kind == CivilLookup::Kind::Skipped ? found.change : found.pre;
    return Instant(seconds(at));
}

// The crossing of the rise-and-set elevation between two instants whose elevations lie on
// either side of it, to the second.
Instant Crossing(Instant low, Instant high, bool rising, double latitude, double longitude) {
    while (high - low > seconds(1)) {
        const Instant mid = low + (high - low) / 2;
        const bool up = Elevation(mid, latitude, longitude) >= kSunriseElevation;
        (up == rising ? high : low) = mid;
    }
    return high;
}

// To the nearest minute, unless that leaves the day.
Instant ToMinute(Instant t, Instant dayEnd) {
    const Instant rounded = std::chrono::round<minutes>(t);
    return rounded < dayEnd ? rounded : std::chrono::floor<minutes>(t);
}

}  // namespace

SunState SunStateAt(Instant t, double latitude, double longitude) {
    const double elevation = Elevation(t, latitude, longitude);
    if (elevation >= kSunriseElevation) return SunState::Day;
    if (elevation >= kCivilTwilightElevation) return SunState::CivilTwilight;
    if (elevation >= kNauticalTwilightElevation) return SunState::NauticalTwilight;
    if (elevation >= kAstronomicalTwilightElevation) return SunState::AstronomicalTwilight;
    return SunState::Night;
}

SunDay SunDayAt(Instant t, double latitude, double longitude, const ZoneRules& zone) {
    const std::int64_t utc = std::chrono::floor<seconds>(t).time_since_epoch().count();
    const std::int64_t wall = utc + zone.OffsetAt(utc);
    const std::int64_t midnight = wall - ((wall % kDaySeconds) + kDaySeconds) % kDaySeconds;
    const Instant start = FirstInstantShowing(zone, midnight);
    const Instant end = FirstInstantShowing(zone, midnight + kDaySeconds);

    std::vector<Instant> samples;
    for (Instant s = start; s < end; s += kSampleStep) samples.push_back(s);
    samples.push_back(end);
    for (const double hourAngle : {0.0, 180.0}) {
        for (Instant p = NextPassage(start - minutes(1), longitude, hourAngle); p < end;
             p = NextPassage(p + minutes(60), longitude, hourAngle)) {
            if (p > start) samples.push_back(p);
        }
    }
    std::sort(samples.begin(), samples.end());

    SunDay day;
    bool wasUp = Elevation(samples.front(), latitude, longitude) >= kSunriseElevation;
    const bool upAtStart = wasUp;
    for (std::size_t i = 1; i < samples.size(); ++i) {
        const bool up = Elevation(samples[i], latitude, longitude) >= kSunriseElevation;
        if (up == wasUp) continue;
        const Instant at =
            ToMinute(Crossing(samples[i - 1], samples[i], up, latitude, longitude), end);
        if (up && !day.sunrise) day.sunrise = at;  // the first rise
        if (!up) day.sunset = at;                  // the last set
        wasUp = up;
    }
    if (!day.sunrise && !day.sunset) {
        day.kind = upAtStart ? SunDay::Kind::UpAllDay : SunDay::Kind::DownAllDay;
    }
    return day;
}

}  // namespace horavia
