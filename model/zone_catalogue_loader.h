// Building the zone catalogue from the registry's time-zone database.
#pragma once

#include <cstdint>
#include <string>

#include "model/registry.h"
#include "model/services.h"
#include "model/zone_catalogue.h"
#include "model/zone_source.h"

namespace horavia {

inline constexpr const char* kZoneKeyPath =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Time Zones";
inline constexpr const char* kZoneKeyPathNt =
    "Software\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones";
inline constexpr const char* kRunKeyPath = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// Two characters as a little-endian signed 16-bit value; characters past the end read as 0.
std::int32_t ReadWord(const std::string& text, std::size_t position);

// "a,b" -> MapId1 a, MapId2 b; anything else (no comma, not whole numbers) -> -1, -1.
bool ParseMapId(const std::string& text, std::int32_t& mapId1, std::int32_t& mapId2);

// Splits a display text at its first ")" into Prefix and Name.
void SplitDisplay(const std::string& display, std::string& prefix, std::string& name);

// Gives a zone the timeline of a "TZI" text, and its standard offset.
void ApplyTzi(ZoneInfo& zone, const std::string& tzi);

// Fills the pseudo-zone slots 0..9.
void FillPseudoZones(ZoneCatalogue& catalogue);

// The first half of loading: the source's zones (display texts of `year`), the
// pseudo-zones, the zone order and the map flags. Without any zone it shows the fatal
// message and returns false: the caller ends the program.
bool LoadZoneCatalogue(ZoneCatalogue& catalogue, ZoneSource& source, int year,
                       MessageBoxPort& messages);
// The same over the registry's time-zone key.
bool LoadZoneCatalogue(ZoneCatalogue& catalogue, RegistryBackend& registry, int year,
                       MessageBoxPort& messages);

// The zone-order comparison: true when a (earlier) and b (next) must be swapped.
bool ZonesOutOfOrder(const ZoneCatalogue& catalogue, int a, int b, int sortBy);
// Sorts the zone order by `sortBy` (0/1 name up/down, 2/3 offset), keeping equal zones in
// their order; any other value leaves it as it is.
void SortZoneOrder(ZoneCatalogue& catalogue, int sortBy);

}  // namespace horavia
