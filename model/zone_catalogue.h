// The zone catalogue: the registry's zones plus the ten pseudo-zone slots.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/day_count.h"
#include "model/zone_history.h"

namespace horavia {

// A yearly transition rule as a registry transition record holds it.
struct TransitionRule {
    int month = 0;      // 1..12; 0 = no rule
    int dayOfWeek = 0;  // 0 = Sunday .. 6 = Saturday
    int week = 0;       // 1..4, or 5 for the last
    int hour = 0;
    int minute = 0;
    int second = 0;
};

struct ZoneInfo {
    std::string Key;  // the zone's key name, e.g. "Romance Standard Time"; empty for pseudo-zones
    std::string Prefix;
    std::string Name;
    std::string StdName;
    std::string DltName;
    std::int32_t Bias = 0;
    std::int32_t DltBias = 0;
    DayCount StdStart = 0;  // change back to standard time, in the load year
    DayCount DltStart = 0;  // change to daylight time, in the load year
    std::int32_t MapId1 = -1;
    std::int32_t MapId2 = -1;

    // Registry zones keep their yearly rules so every year gets its own transition moments.
    bool hasRule = false;
    TransitionRule stdRule;
    TransitionRule dltRule;

    // The zone database's changes year by year, when the registry offers them; zone time
    // follows them in place of the yearly rule.
    std::shared_ptr<const ZoneHistory> history;

    // Transition moments of one year, cached for the zone-time code.
    mutable int cachedYear = 0;
    mutable DayCount cachedStdStart = 0;
    mutable DayCount cachedDltStart = 0;
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
};

}  // namespace horavia
