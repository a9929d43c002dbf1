#include "model/zone_time.h"

#include <algorithm>
#include <cmath>

namespace horavia {

DayCount TransitionMoment(int year, const TransitionRule& rule) {
    const auto day = DayOfNthWeekday(year, rule.month, rule.dayOfWeek, rule.week);
    return ShiftMinutes(static_cast<DayCount>(day),
                        rule.hour * 60.0 + rule.minute + rule.second / 60.0);
}

namespace {

// A point on the time line in whole milliseconds, for exact comparisons.
std::int64_t WholeMs(DayCount value) {
    if (!std::isfinite(value)) return 0;
    return std::llround(LinearDays(value) * static_cast<double>(kMsPerDay));
}

int YearOf(DayCount value) {
    return CivilFromDays(static_cast<std::int64_t>(std::floor(LinearDays(value)))).year;
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

bool RuleSaysDaylight(const ZoneInfo& zone, DayCount utc) {
    if (zone.DltBias == zone.Bias) return false;
    DayCount stdStartDays = 0;
    DayCount dltStartDays = 0;
    TransitionsFor(zone, ShiftMinutes(utc, -zone.Bias), stdStartDays, dltStartDays);
    // Compared in whole milliseconds, so a moment equal to a transition tests as equal
    // whatever floating-point path produced either side.
    const std::int64_t stdReading = WholeMs(utc) - std::int64_t{zone.Bias} * 60'000;
    const std::int64_t dltReading = WholeMs(utc) - std::int64_t{zone.DltBias} * 60'000;
    const std::int64_t stdStart = WholeMs(stdStartDays);
    const std::int64_t dltStart = WholeMs(dltStartDays);
    // At the very instant of a change the new offset applies, as the tz database says: the
    // clock jumps from 01:59:59 to 03:00:00, never showing 02:00:00.
    if (dltStart < stdStart) {
        // Daylight time in the middle of the year.
        return dltStart <= stdReading && dltReading < stdStart;
    }
    // Daylight time across the turn of the year.
    return !(stdStart <= dltReading && stdReading < dltStart);
}

// The instants the history is asked about: years 1 to 9999 (day counts of 0001-01-01 and
// 10000-01-01); beyond them the yearly rule serves.
bool InHistoryRange(DayCount utc) {
    const double days = LinearDays(utc);
    return std::isfinite(days) && days >= -693593.0 && days < 2958466.0;
}

std::shared_ptr<const YearChanges> HistoryYear(const ZoneInfo& zone, DayCount utc) {
    if (!zone.history || !InHistoryRange(utc)) return nullptr;
    return zone.history->ChangesOfYear(YearOf(utc));
}

std::int32_t HistoryBiasAt(const YearChanges& year, DayCount utc) {
    const std::int64_t now = WholeMs(utc);
    std::int32_t bias = year.biasAtStart;
    for (const ZoneChange& change : year.changes) {
        const std::int64_t at = WholeMs(change.at);
        if (now < at) break;  // from the instant of a change on, its new offset
        bias = change.biasAfter;
    }
    return bias;
}

}  // namespace

bool IsDaylightTime(const ZoneInfo& zone, DayCount utc) {
    if (const auto year = HistoryYear(zone, utc)) {
        std::int32_t highest = year->biasAtStart;
        for (const ZoneChange& change : year->changes) {
            highest = std::max(highest, change.biasAfter);
        }
        return HistoryBiasAt(*year, utc) < highest;
    }
    return RuleSaysDaylight(zone, utc);
}

std::int32_t ZoneOffsetAt(const ZoneInfo& zone, DayCount utc) {
    if (const auto year = HistoryYear(zone, utc)) return HistoryBiasAt(*year, utc);
    return RuleSaysDaylight(zone, utc) ? zone.DltBias : zone.Bias;
}

std::int32_t ZoneOffsetAt(const ZoneInfo& zone, Instant t) {
    return ZoneOffsetAt(zone, LocalDayCountAt(t, 0));
}

std::optional<LocalTimeLookup> LookUpZoneTime(const ZoneInfo& zone, DayCount reading) {
    return LookUpLocalTime(reading, [&zone](Instant t) { return ZoneOffsetAt(zone, t); });
}

}  // namespace horavia
