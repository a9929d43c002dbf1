// Where the zone catalogue's zones come from: the registry's time-zone key on Windows, the
// system's zone database on Linux. A source only supplies each zone's texts and timeline;
// the catalogue adds the pseudo-zones, the order and the map flags.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/zone_catalogue.h"
#include "tz/zone_rules.h"

namespace horavia {

struct ZoneEntry {
    std::string key;     // the zone's key name, e.g. "Romance Standard Time"
    std::string prefix;  // the display text up to and with the character after its ")"
    std::string name;    // the rest of the display text
    // The rest of the display text in English where `name` is in another language; else empty.
    std::string englishName;
    std::string stdName;
    std::string dltName;
    std::int32_t mapId1 = -1;
    std::int32_t mapId2 = -1;
    std::int32_t standardOffset = 0;  // seconds east, in standard time of the year asked
    std::shared_ptr<const ZoneRules> rules;
};

struct ZoneEntries {
    std::string keyPath;  // the time-zone key the zones were read from
    std::vector<ZoneEntry> zones;
};

class ZoneSource {
  public:
    virtual ~ZoneSource() = default;
    // Every zone, in the order the catalogue numbers them, with the rules of `year`; no zones
    // when the source has none.
    virtual ZoneEntries Entries(int year) = 0;
};

}  // namespace horavia
