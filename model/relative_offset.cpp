#include "model/relative_offset.h"

#include <tuple>

#include "model/zone_time.h"

namespace horavia {

namespace {

constexpr const char* kMinus = "\u2212";  // a true minus sign, as wide as the plus
constexpr const char* kPlusMinus = "\u00b1";

std::string HoursAndMinutes(std::int32_t minutes) {
    if (minutes == 0) return std::string(kPlusMinus) + "0";
    const std::int32_t size = minutes < 0 ? -minutes : minutes;
    std::string text = minutes < 0 ? kMinus : "+";
    text += std::to_string(size / 60) + " h";
    if (size % 60 != 0) text += " " + std::to_string(size % 60);
    return text;
}

}  // namespace

std::string RelativeOffsetText(const ZoneCatalogue& catalogue, int zone, Instant t,
                               const ZoneRules& computerZone) {
    const std::int32_t localOffset = ShownOffsetOn(&computerZone, t);
    std::int32_t zoneOffset = 0;  // UTC's
    if (catalogue.IsRegistryZone(zone)) {
        zoneOffset = ZoneOffsetAt(catalogue.zones[static_cast<std::size_t>(zone)], t);
    } else if (zone != kZoneUtc || !catalogue.IsValidIndex(zone)) {
        return {};
    }
    std::string text = HoursAndMinutes((zoneOffset - localOffset) / 60);
    const CivilTime there = CivilTimeAt(UnixMsOf(t), zoneOffset);
    const CivilTime here = CivilTimeAt(UnixMsOf(t), localOffset);
    const auto day = [](const CivilTime& c) { return std::tie(c.year, c.month, c.day); };
    if (day(there) > day(here)) text += " tomorrow";
    if (day(there) < day(here)) text += " yesterday";
    return text;
}

}  // namespace horavia
