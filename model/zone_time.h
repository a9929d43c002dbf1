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

// The offset, daylight flag and abbreviation in force in the zone at the instant. From the
// instant of a change on, the new offset applies, as the tz database says.
ZoneState ZoneStateAt(const ZoneInfo& zone, Instant t);
bool IsDaylightTime(const ZoneInfo& zone, Instant t);

// The offset in force as a bias in whole minutes (UTC = zone time + bias); the seconds of an
// old local mean time round to the nearest minute.
std::int32_t ZoneOffsetAt(const ZoneInfo& zone, Instant t);
std::int32_t BiasOfOffset(std::int32_t offsetSeconds);

// The zone's clock reading at the instant, as a day count.
DayCount ZoneReadingAt(const ZoneInfo& zone, Instant t);

// A clock reading of the zone (its wall time as a day count) placed on the time line: unique,
// skipped or repeated, with the instants around it. Empty when the reading is not finite or
// out of range.
std::optional<LocalTimeLookup> LookUpZoneTime(const ZoneInfo& zone, DayCount reading);

}  // namespace horavia
