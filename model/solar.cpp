#include "model/solar.h"

#include <cmath>
#include <numbers>

namespace horavia {
namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

double Radians(double degrees) {
    return degrees * kDegree;
}
double Degrees(double radians) {
    return radians / kDegree;
}

// An angle in degrees folded into [-180, 180).
double FoldDegrees(double degrees) {
    const double folded = std::fmod(degrees + 180.0, 360.0);
    return (folded < 0 ? folded + 360.0 : folded) - 180.0;
}

}  // namespace

SunPosition SunAt(Instant t) {
    const double unixMs = static_cast<double>(UnixMsOf(t));
    const double julianDay = unixMs / 86'400'000.0 + 2'440'587.5;
    const double c = (julianDay - 2'451'545.0) / 36'525.0;  // Julian centuries since J2000.0

    const double meanLongitude = std::fmod(280.46646 + c * (36000.76983 + c * 0.0003032), 360.0);
    const double meanAnomaly = 357.52911 + c * (35999.05029 - 0.0001537 * c);
    const double eccentricity = 0.016708634 - c * (0.000042037 + 0.0000001267 * c);
    const double m = Radians(meanAnomaly);
    const double centre = std::sin(m) * (1.914602 - c * (0.004817 + 0.000014 * c)) +
                          std::sin(2 * m) * (0.019993 - 0.000101 * c) + std::sin(3 * m) * 0.000289;
    const double omega = Radians(125.04 - 1934.136 * c);
    const double apparentLongitude = meanLongitude + centre - 0.00569 - 0.00478 * std::sin(omega);
    const double meanObliquity =
        23.0 + (26.0 + (21.448 - c * (46.815 + c * (0.00059 - c * 0.001813))) / 60.0) / 60.0;
    const double obliquity = Radians(meanObliquity + 0.00256 * std::cos(omega));

    SunPosition pos;
    pos.declination =
        Degrees(std::asin(std::sin(obliquity) * std::sin(Radians(apparentLongitude))));

    const double y = std::pow(std::tan(obliquity / 2), 2);
    const double l0 = Radians(meanLongitude);
    pos.equationOfTime = 4.0 * Degrees(y * std::sin(2 * l0) - 2 * eccentricity * std::sin(m) +
                                       4 * eccentricity * y * std::sin(m) * std::cos(2 * l0) -
                                       0.5 * y * y * std::sin(4 * l0) -
                                       1.25 * eccentricity * eccentricity * std::sin(2 * m));

    // Solar noon is where the true solar time (UTC minutes + equation of time + 4 minutes per
    // degree east) reaches 12:00.
    const double minutesOfDay = std::fmod(unixMs / 60'000.0, 1440.0);
    pos.subsolarLongitude = FoldDegrees((720.0 - minutesOfDay - pos.equationOfTime) / 4.0);
    return pos;
}

double SunElevation(const SunPosition& pos, double latitude, double longitude) {
    const double hourAngle = Radians(longitude - pos.subsolarLongitude);
    const double lat = Radians(latitude);
    const double decl = Radians(pos.declination);
    double cosZenith =
        std::sin(lat) * std::sin(decl) + std::cos(lat) * std::cos(decl) * std::cos(hourAngle);
    cosZenith = std::fmax(-1.0, std::fmin(1.0, cosZenith));
    return 90.0 - Degrees(std::acos(cosZenith));
}

}  // namespace horavia
