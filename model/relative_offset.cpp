#include "model/relative_offset.h"

#include <tuple>

#include "model/zone_time.h"

namespace horavia {

std::optional<RelativeOffset> RelativeOffsetAt(const ZoneCatalogue& catalogue, int zone, Instant t,
                                               const ZoneRules& computerZone) {
    const std::int32_t localOffset = ShownOffsetOn(&computerZone, t);
    std::int32_t zoneOffset = 0;  // UTC's
    if (catalogue.IsRegistryZone(zone)) {
        zoneOffset = ZoneOffsetAt(catalogue.zones[static_cast<std::size_t>(zone)], t);
    } else if (zone != kZoneUtc || !catalogue.IsValidIndex(zone)) {
        return std::nullopt;
    }
    RelativeOffset offset;
    offset.minutes = (zoneOffset - localOffset) / 60;
    const CivilTime there = CivilTimeAt(UnixMsOf(t), zoneOffset);
    const CivilTime here = CivilTimeAt(UnixMsOf(t), localOffset);
    const auto day = [](const CivilTime& c) { return std::tie(c.year, c.month, c.day); };
    if (day(there) > day(here)) offset.dayShift = 1;
    if (day(there) < day(here)) offset.dayShift = -1;
    return offset;
}

}  // namespace horavia
