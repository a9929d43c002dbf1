// Zone time: daylight-saving transitions and the conversion local -> UTC -> zone time.
#pragma once

#include <cstdint>
#include <optional>

#include "model/day_count.h"
#include "model/instant.h"
#include "model/zone_catalogue.h"

namespace horavia {

// The transition moment of a rule in a given year, in the zone's own clock reading.
DayCount TransitionMoment(int year, const TransitionRule& rule);

// Whether the zone is on daylight time at the instant `utc`. From the yearly rule: each
// transition moment is compared with the zone's own clock reading of that instant, the
// daylight start with the standard-time reading, the standard start with the daylight-time
// reading; rules are evaluated for the year of that reading, so every year uses its own
// transition dates. From the zone's history: the offset in force is not the lowest of its
// year. From the instant of a change on, the new offset applies.
bool IsDaylightTime(const ZoneInfo& zone, DayCount utc);

// The offset (minutes, UTC = zone time + offset) in force in the zone at `utc`: from the
// zone's history when it has one, else from its yearly rule.
// At the very instant of a change the new offset applies, as the tz database says.
std::int32_t ZoneOffsetAt(const ZoneInfo& zone, DayCount utc);
std::int32_t ZoneOffsetAt(const ZoneInfo& zone, Instant t);

// A clock reading of the zone (its wall time as a day count) placed on the time line: unique,
// skipped or repeated, with the instants around it. Empty when the reading is not finite or
// out of range.
std::optional<LocalTimeLookup> LookUpZoneTime(const ZoneInfo& zone, DayCount reading);

inline DayCount UtcFromLocal(DayCount local, std::int32_t localBias) {
    return ShiftMinutes(local, localBias);
}
inline DayCount ZoneTimeFromUtc(const ZoneInfo& zone, DayCount utc) {
    return ShiftMinutes(utc, -ZoneOffsetAt(zone, utc));
}

}  // namespace horavia
