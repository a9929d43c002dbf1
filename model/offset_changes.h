// When a zone's offset from UTC changes next, looked ahead a given number of days, for one zone
// and for every clock of the list.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "model/clock_list.h"
#include "model/instant.h"
#include "model/zone_catalogue.h"
#include "tz/zone_rules.h"

namespace horavia {

// The first change of the zone's offset after `from` and no later than `days` days after it;
// none when days <= 0. Any change of offset counts (daylight saving, 30-minute daylight
// saving, a permanent change of the law); changes of only a name or a flag do not.
std::optional<OffsetChange> NextChangeWithin(const ZoneRules& zone, Instant from, int days);

struct UpcomingChange {
    std::size_t clock = 0;  // index into the ClockList
    OffsetChange change;
};

// For every enabled clock of a real zone (catalogue.RulesOf(zone) != nullptr), its next change
// within `days`, soonest first (ties in list order). Empty slots (no label) are no clocks.
std::vector<UpcomingChange> UpcomingChanges(const ClockList& clocks, const ZoneCatalogue& catalogue,
                                            Instant from, int days);

}  // namespace horavia
