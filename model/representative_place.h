// The place a clock's day and night are told for: the clock's own place, else the place that
// stands for its zone in the place table.
#pragma once

#include <optional>
#include <string_view>

#include "model/clock_list.h"
#include "model/place_names.h"
#include "model/place_table.h"
#include "model/zone_catalogue.h"

namespace horavia {

// The place of the zone's own tz id (the one named like the id's city: Europe/Berlin gives
// Berlin), else that tz id's largest place, else the largest place of any of the zone's tz
// ids; named "Berlin, Germany", or in the language of `names` when given ("Berlin,
// Deutschland"). Empty for a key the table has no place for.
std::optional<ClockPlace> RepresentativePlace(const PlaceTable& table, std::string_view zoneKey,
                                              const PlaceNames* names = nullptr);

// The clock's own place, else the representative place of its zone (when a table is given).
// Empty for the pseudo-zones, UTC included.
std::optional<ClockPlace> PlaceOfClock(const ClockEntry& clock, const ZoneCatalogue& catalogue,
                                       const PlaceTable* table, const PlaceNames* names = nullptr);

}  // namespace horavia
