// How far a clock's zone is from the computer's own time, for the optional marker after each
// clock's time (worded by the window, in the user's language).
#pragma once

#include <cstdint>
#include <optional>

#include "model/instant.h"
#include "model/zone_catalogue.h"

namespace horavia {

struct RelativeOffset {
    std::int32_t minutes = 0;  // the zone's time minus the computer's, in whole minutes
    int dayShift = 0;          // +1: the zone's date is the computer's tomorrow; -1: yesterday

    friend bool operator==(const RelativeOffset&, const RelativeOffset&) = default;
};

// The zone's time against the computer's at the instant t (its zone given as a timeline).
// None for the pseudo-zones other than UTC, which keep no time of day of their own, and for an
// unknown zone.
std::optional<RelativeOffset> RelativeOffsetAt(const ZoneCatalogue& catalogue, int zone, Instant t,
                                               const ZoneRules& computerZone);

}  // namespace horavia
