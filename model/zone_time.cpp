#include "model/zone_time.h"

#include <cmath>

namespace horavia {

DayCount TransitionDate(int year, int month, int dayOfWeek, int week) {
    const int wantedMonth = week == 5 ? month + 1 : month;  // 13 rolls into January
    const std::int64_t first = DaysFromCivil(year, wantedMonth, 1);
    const int w1 = WeekdayOfDays(first) + 1;  // 1 = Sunday .. 7 = Saturday
    int d = (dayOfWeek + 1) - w1;
    if (d < 0) d += 7;
    if (week >= 5) {
        d -= 7;
    } else {
        d += (week - 1) * 7;
    }
    return static_cast<DayCount>(first + d);
}

DayCount TransitionMoment(int year, const TransitionRule& rule) {
    return TransitionDate(year, rule.month, rule.dayOfWeek, rule.week) +
           (rule.hour * 3600.0 + rule.minute * 60.0 + rule.second) / 86400.0;
}

namespace {

std::int64_t WholeMs(DayCount value) {
    if (!std::isfinite(value)) return 0;
    return std::llround(value * static_cast<double>(kMsPerDay));
}

int YearOf(DayCount reading) {
    return CivilFromDays(static_cast<std::int64_t>(std::floor(reading))).year;
}

// The zone's transition moments for the year of `reading`, from its rule when it has one.
void TransitionsFor(const ZoneInfo& zone, DayCount reading, DayCount& stdStart,
                    DayCount& dltStart) {
    if (!zone.hasRule || !std::isfinite(reading)) {
        stdStart = zone.StdStart;
        dltStart = zone.DltStart;
        return;
    }
    const int year = YearOf(reading);
    if (zone.cachedYear != year) {
        zone.cachedStdStart = TransitionMoment(year, zone.stdRule);
        zone.cachedDltStart = TransitionMoment(year, zone.dltRule);
        zone.cachedYear = year;
    }
    stdStart = zone.cachedStdStart;
    dltStart = zone.cachedDltStart;
}

}  // namespace

bool IsDaylightTime(const ZoneInfo& zone, DayCount utc) {
    if (zone.DltBias == zone.Bias) return false;
    DayCount stdStartDays = 0;
    DayCount dltStartDays = 0;
    TransitionsFor(zone, utc - zone.Bias / 1440.0, stdStartDays, dltStartDays);
    // Compared in whole milliseconds, so a moment equal to a transition tests as equal
    // whatever floating-point path produced either side.
    const std::int64_t stdReading = WholeMs(utc - zone.Bias / 1440.0);
    const std::int64_t dltReading = WholeMs(utc - zone.DltBias / 1440.0);
    const std::int64_t stdStart = WholeMs(stdStartDays);
    const std::int64_t dltStart = WholeMs(dltStartDays);
    if (dltStart < stdStart) {
        // Daylight time in the middle of the year.
        return dltStart < stdReading && dltReading < stdStart;
    }
    // Daylight time across the turn of the year.
    return !(stdStart < dltReading && stdReading < dltStart);
}

std::int32_t ZoneOffsetAt(const ZoneInfo& zone, DayCount utc) {
    return IsDaylightTime(zone, utc) ? zone.DltBias : zone.Bias;
}

}  // namespace horavia
