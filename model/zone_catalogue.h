// The zone catalogue: the registry's zones plus the ten pseudo-zone slots.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "tz/zone_rules.h"

namespace horavia {

struct ZoneInfo {
    std::string Key;  // the zone's key name, e.g. "Romance Standard Time"; empty for pseudo-zones
    std::string Prefix;
    std::string Name;
    // Name in English where Name is in the user-interface language; else empty.
    std::string EnglishName;
    std::string StdName;
    std::string DltName;
    std::int32_t MapId1 = -1;
    std::int32_t MapId2 = -1;
    // Seconds east of Greenwich in the zone's standard time of the year the catalogue was
    // loaded: the display prefix and the order by offset follow it. The pseudo-zones keep here
    // the places their lists have always given them.
    std::int32_t standardOffset = 0;
    // The zone as a timeline; none for the pseudo-zones.
    std::shared_ptr<const ZoneRules> rules;
};

// Pseudo-zone slots.
enum PseudoZone : int {
    kZoneUtc = 0,
    kZoneEmpty = 1,
    kZoneJulianLong = 2,
    kZoneJulianShort = 3,
    kZoneStardate = 4,
    kZonePopulation = 5,
    kZoneMars = 6,
    kZoneUnix = 7,
    kZoneSwatch = 8,
    kZoneUnknown = 9,
    kFirstRegistryZone = 10,
};

inline constexpr std::size_t kMapIndexCount = 257;

struct ZoneCatalogue {
    std::vector<ZoneInfo> zones;                              // `ZoneCatalogue`
    std::vector<int> order;                                   // `ZoneOrder`
    std::array<std::int32_t, kMapIndexCount> mapIndexKind{};  // `MapIndexKind`
    int registryZoneCount = 0;                                // `RegistryZoneCount`
    std::string zoneKeyPath;                                  // the time-zone key used
    std::string runKeyPath;                                   // the start-up programs key

    bool IsValidIndex(int index) const {
        return index >= 0 && static_cast<std::size_t>(index) < zones.size();
    }
    bool IsRegistryZone(int index) const {
        return index >= kFirstRegistryZone && IsValidIndex(index);
    }
    // Whether a clock of the zone shows a time of day: every zone, and UTC.
    bool ShowsTimeOfDay(int index) const { return index == kZoneUtc || IsRegistryZone(index); }
    // The zone's timeline; nullptr for the pseudo-zones, which keep UTC.
    const ZoneRules* RulesOf(int index) const {
        return IsRegistryZone(index) ? zones[static_cast<std::size_t>(index)].rules.get() : nullptr;
    }
};

}  // namespace horavia
