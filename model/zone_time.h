// Zone time: what a catalogue zone's clock shows at an instant, and where a reading of its
// clock lies on the time line. Every zone answers through its timeline; the pseudo-zones have
// none and keep UTC.
#pragma once

#include <cstdint>
#include <optional>

#include "model/day_count.h"
#include "model/instant.h"
#include "model/zone_catalogue.h"

namespace horavia {

// What a zone's timeline says at an instant, and where a reading of its clock lies; without a
// timeline, UTC. From the instant of a change on, the new offset applies, as the tz database
// says. A reading is taken with the offset in whole minutes.
ZoneState StateOn(const ZoneRules* rules, Instant t);
// The offset a clock reading is taken with: seconds east of UTC in whole minutes (the seconds
// of an old local mean time round to the nearest minute, away from zero at a half).
std::int32_t ShownOffsetOn(const ZoneRules* rules, Instant t);
std::int32_t WholeMinuteOffset(std::int32_t offsetSeconds);
DayCount ReadingOn(const ZoneRules* rules, Instant t);
std::optional<LocalTimeLookup> LookUpReadingOn(const ZoneRules* rules, const CivilTime& reading);

// The offset, daylight flag and abbreviation in force in the catalogue zone at the instant.
ZoneState ZoneStateAt(const ZoneInfo& zone, Instant t);
bool IsDaylightTime(const ZoneInfo& zone, Instant t);

// The offset the zone's clock shows with at the instant (ShownOffsetOn).
std::int32_t ZoneOffsetAt(const ZoneInfo& zone, Instant t);

// The zone's clock reading at the instant, as a day count.
DayCount ZoneReadingAt(const ZoneInfo& zone, Instant t);
// The same reading as a civil time; empty beyond the calendar's range.
std::optional<CivilTime> CivilTimeOn(const ZoneRules* rules, Instant t);
std::optional<CivilTime> ZoneCivilTimeAt(const ZoneInfo& zone, Instant t);

// A clock reading of the zone (its wall time) placed on the time line: unique, skipped or
// repeated, with the instants around it. Empty when the reading's year lies beyond
// -9999..19999.
std::optional<LocalTimeLookup> LookUpZoneTime(const ZoneInfo& zone, const CivilTime& reading);

}  // namespace horavia
