#include "model/pseudo_zones.h"

#include <cmath>
#include <limits>

#include "model/date_format.h"
#include "model/number_format.h"
#include "model/text_helpers.h"

namespace horavia {
namespace {

constexpr double kJulianDateOfDay0 = 2415018.5;  // 1899-12-30 00:00 UTC

// Stardate epochs as day counts: 2162-01-04, 2270-01-26, 2283-10-05, 2323-01-01.
constexpr double kStardateEpoch1 = 95699;
constexpr double kStardateEpoch2 = 135167;
constexpr double kStardateEpoch3 = 140167;
constexpr double kStardateEpoch4 = 154499;

constexpr double kMarsEpoch = 37981.5;   // 2003-12-26 12:00 UTC, Mars time 16:34:31
constexpr double kMarsDay = 1.02749125;  // Earth days
constexpr double kMarsTimeAtEpoch = (16 + 34 / 60.0 + 31 / 3600.0) / 24;

constexpr std::int64_t kMsPerHour = 3'600'000;
constexpr std::int64_t kMsPerBeat = kMsPerDay / 1000;

// Beyond this many days from 1899 no calendar applies and millisecond counts could overflow.
constexpr double kMaxDays = 1e8;

// Doubles at or beyond 2^63 do not convert to int64.
constexpr double kInt64Limit = 9223372036854775808.0;

std::int64_t FloorMod(std::int64_t a, std::int64_t b) {
    const std::int64_t r = a % b;
    return r < 0 ? r + b : r;
}

}  // namespace

double JulianDate(DayCount utc) {
    return LinearDays(utc) + kJulianDateOfDay0;
}

std::string JulianDateText(DayCount utc, bool longForm, const LocaleInfo& locale) {
    return FormatNumber(JulianDate(utc), longForm ? "#,0.00000" : "#,0.00", locale);
}

StardateValue StardateOf(DayCount count) {
    // Arithmetic on the time line: before 1899-12-30 a day count's fraction runs backwards.
    const double utc = LinearDays(count);
    if (utc < kStardateEpoch2) return {5 * (utc - kStardateEpoch1), 4};
    if (utc < kStardateEpoch3) return {0.1 * (utc - kStardateEpoch2) + 197340, 4};
    if (utc < kStardateEpoch4) return {0.5 * (utc - kStardateEpoch3) + 197840, 4};
    return {(utc - kStardateEpoch4) / 0.3652425 + 2100000, 5};
}

std::int64_t StardateIssue(double v, int n) {
    const double q = std::floor(v / std::pow(10.0, n));
    if (std::isnan(q)) return 0;
    if (q >= kInt64Limit) return std::numeric_limits<std::int64_t>::max();
    if (q < -kInt64Limit) return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(q);
}

double StardateRemainder(double v, int n) {
    const double p = std::pow(10.0, n);
    const double r = v - p * std::floor(v / p);
    // A tiny negative v leaves p - tiny, which rounds to p itself in binary.
    if (!(r < p)) return std::isnan(r) ? 0 : std::nextafter(p, 0.0);
    return r < 0 ? 0 : r;
}

std::string StardateText(DayCount utc, const LocaleInfo& locale) {
    const StardateValue sv = StardateOf(utc);
    std::int64_t issue = StardateIssue(sv.v, sv.n);
    double shown = RoundHalfAwayFromZero(StardateRemainder(sv.v, sv.n), 2);
    // A remainder that rounds up to 10^n belongs to the next issue: [0]9999.996 is [1]0000.00.
    const double p = std::pow(10.0, sv.n);
    if (shown >= p) {
        if (issue < std::numeric_limits<std::int64_t>::max()) ++issue;
        shown = 0;
    }
    std::string out = "[";
    out += std::to_string(issue);
    out += ']';
    out += FormatNumber(shown, sv.n == 4 ? "0000.00" : "00000.00", locale);
    return out;
}

double PopulationEstimate(DayCount localTime, const PopulationModel& model) {
    return model.baseMillions * 1e6 *
           std::pow(1 + model.growthPpm / 1e6, (localTime - model.baseDate) / 365.25);
}

DayCount MarsTime(DayCount utc) {
    return FromLinearDays((LinearDays(utc) - kMarsEpoch) / kMarsDay + kMarsTimeAtEpoch);
}

DayCount ApplyMarsLongitude(DayCount m, std::string& format, const LocaleInfo& locale) {
    const std::size_t open = format.find('[');
    const std::size_t close = format.find(']');
    if (open == std::string::npos || close == std::string::npos || close < open) return m;

    std::string inner = Trim(format.substr(open + 1, close - open - 1));
    format = Trim(format.substr(0, open) + format.substr(close + 1));

    double sign = 1;
    if (!inner.empty()) {
        const char last = LowerAscii(inner.back());
        if (last == 'w' || last == 'e') {
            sign = last == 'w' ? -1 : 1;
            inner.pop_back();
            inner = Trim(inner);
        }
    }
    // A point always works as the decimal separator, even where it is the group separator.
    const std::optional<double> longitude = ParseNumber(
        inner,
        {.decimal = locale.decimalSeparator, .group = locale.groupSeparator, .exponent = false});
    if (!longitude) return m;
    return FromLinearDays(LinearDays(m) + sign * *longitude / 360);
}

std::optional<std::string> MarsTimeText(DayCount utc, const std::string& format,
                                        const LocaleInfo& locale) {
    DayCount m = MarsTime(utc);
    std::string shortened = format;
    if (shortened.find('[') != std::string::npos) m = ApplyMarsLongitude(m, shortened, locale);
    return FormatDateTime(m, shortened, locale);
}

std::optional<std::int64_t> UnixTime(DayCount utc) {
    const double x = (LinearDays(utc) - kUnixEpochDay) * 86400.0;
    if (!std::isfinite(x) || std::fabs(x) >= kInt64Limit / 2) return std::nullopt;
    // Halves go to the even neighbour, independent of the floating-point rounding mode.
    double r = std::floor(x);
    const double frac = x - r;
    if (frac > 0.5 || (frac == 0.5 && std::fmod(r, 2.0) != 0)) r += 1;
    return static_cast<std::int64_t>(r);
}

std::string UnixTimeText(std::int64_t seconds) {
    return std::to_string(seconds);
}

std::optional<int> SwatchBeats(DayCount utc) {
    if (!std::isfinite(utc) || std::fabs(utc) > kMaxDays) return std::nullopt;
    // Whole milliseconds first, so a moment on a beat boundary is not one beat short.
    const std::int64_t ms = std::llround(LinearDays(utc) * static_cast<double>(kMsPerDay));
    return static_cast<int>(FloorMod(ms + kMsPerHour, kMsPerDay) / kMsPerBeat);
}

std::string SwatchText(int beats, const LocaleInfo& locale) {
    return FormatNumber(beats, "\\@000", locale);
}

std::optional<std::string> PseudoZoneText(int zone, DayCount utc, DayCount localTime,
                                          const PopulationModel& population,
                                          const std::string& format, const LocaleInfo& locale) {
    if (!std::isfinite(utc) || std::fabs(utc) > kMaxDays) return std::nullopt;
    switch (zone) {
        case kZoneJulianLong:
        case kZoneJulianShort:
            return JulianDateText(utc, zone == kZoneJulianLong, locale);
        case kZoneStardate:
            return StardateText(utc, locale);
        case kZonePopulation: {
            const double people = PopulationEstimate(localTime, population);
            if (!std::isfinite(people)) return std::nullopt;
            return FormatNumber(people, "#,#", locale);
        }
        case kZoneMars:
            return MarsTimeText(utc, format, locale);
        case kZoneUnix: {
            const std::optional<std::int64_t> seconds = UnixTime(utc);
            if (!seconds) return std::nullopt;
            return UnixTimeText(*seconds);
        }
        case kZoneSwatch: {
            const std::optional<int> beats = SwatchBeats(utc);
            if (!beats) return std::nullopt;
            return SwatchText(*beats, locale);
        }
        default:
            return std::nullopt;
    }
}

}  // namespace horavia
