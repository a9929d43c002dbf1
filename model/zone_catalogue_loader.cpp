#include "model/zone_catalogue_loader.h"

#include <algorithm>

#include "model/registry_zone_source.h"
#include "model/text_helpers.h"
#include "model/yearly_rule_zone.h"

namespace horavia {

std::int32_t ReadWord(const std::string& text, std::size_t position) {
    auto code = [&](std::size_t p) -> std::int32_t {
        return p >= 1 && p <= text.size() ? static_cast<unsigned char>(text[p - 1]) : 0;
    };
    std::int32_t value = code(position + 1) * 256 + code(position);
    if (value >= 32768) value -= 65536;
    return value;
}

namespace {

void SetMapFlags(ZoneCatalogue& catalogue, const ZoneInfo& zone) {
    auto set = [&](std::int32_t id, std::int32_t kind) {
        if (id >= 0 && static_cast<std::size_t>(id) < kMapIndexCount) {
            catalogue.mapIndexKind[static_cast<std::size_t>(id)] = kind;
        }
    };
    set(zone.MapId2, 0);
    set(zone.MapId1, 1);
}

// The pseudo-zones have no timeline; their "offset" places them in lists sorted by offset
// where they have always stood (in minutes west, as the lists were first sorted).
ZoneInfo Pseudo(const char* prefix, const char* name, std::int32_t listPlace) {
    ZoneInfo z;
    z.Prefix = prefix;
    z.Name = name;
    z.standardOffset = -listPlace * 60;
    return z;
}

}  // namespace

bool ParseMapId(const std::string& text, std::int32_t& mapId1, std::int32_t& mapId2) {
    mapId1 = -1;
    mapId2 = -1;
    const auto comma = text.find(',');
    if (comma == std::string::npos) return false;
    const auto a = ParseWholeNumber(std::string_view(text).substr(0, comma));
    const auto b = ParseWholeNumber(std::string_view(text).substr(comma + 1));
    if (!a || !b) return false;
    mapId1 = *a;
    mapId2 = *b;
    return true;
}

void SplitDisplay(const std::string& display, std::string& prefix, std::string& name) {
    const auto paren = display.find(')');
    if (paren == std::string::npos) {
        prefix.clear();
        name = StripAtNul(display);
        return;
    }
    // The ")" and the one character after it belong to the prefix.
    prefix = display.substr(0, paren + 2);
    name = paren + 2 < display.size() ? StripAtNul(display.substr(paren + 2)) : std::string();
}

void ApplyTzi(ZoneInfo& zone, const std::string& tzi) {
    const ZoneYearRecord record = ReadTzi(tzi);
    zone.standardOffset = -record.bias * 60;
    zone.rules = std::make_shared<const YearlyRuleZone>(record);
}

void FillPseudoZones(ZoneCatalogue& catalogue) {
    auto& z = catalogue.zones;
    z[kZoneUtc] = Pseudo("(UTC) ", "Coordinated Universal Time", 0);
    z[kZoneJulianLong] = Pseudo("", "Julian Date (Long)", 1999);
    z[kZoneJulianShort] = Pseudo("", "Julian Date (Short)", 2000);
    z[kZoneStardate] = Pseudo("", "Stardate", 3000);
    z[kZonePopulation] = Pseudo("", "Number of people on earth", 10000);
    z[kZoneMars] = Pseudo("(MTC) ", "Mars Coordinated Time", 1900);
    z[kZoneUnix] = Pseudo("(UNIX) ", "Unix Timestamp", 0);
    z[kZoneSwatch] = Pseudo("", "Swatch Internet Time", 12000);
    z[kZoneUnknown] = Pseudo("", "??? Unknown ???", 0);
    for (int index : {0, 2, 3, 4, 5, 6, 7, 8, 9}) catalogue.order.push_back(index);
}

bool LoadZoneCatalogue(ZoneCatalogue& catalogue, ZoneSource& source, int year,
                       MessageBoxPort& messages) {
    catalogue = ZoneCatalogue{};
    ZoneEntries entries = source.Entries(year);
    if (entries.zones.empty()) {
        messages.Tell(Message{MessageId::NoZones}, kAppTitle, MsgIcon::Critical);
        return false;
    }
    const std::size_t count = entries.zones.size();
    catalogue.zoneKeyPath = std::move(entries.keyPath);
    catalogue.runKeyPath = kRunKeyPath;
    catalogue.registryZoneCount = static_cast<int>(count);
    catalogue.zones.resize(count + kFirstRegistryZone);
    for (std::size_t k = 0; k < count; ++k) {
        ZoneEntry& entry = entries.zones[k];
        ZoneInfo& zone = catalogue.zones[k + kFirstRegistryZone];
        zone.Key = std::move(entry.key);
        zone.Prefix = std::move(entry.prefix);
        zone.Name = std::move(entry.name);
        zone.EnglishName = std::move(entry.englishName);
        zone.StdName = std::move(entry.stdName);
        zone.DltName = std::move(entry.dltName);
        zone.MapId1 = entry.mapId1;
        zone.MapId2 = entry.mapId2;
        zone.standardOffset = entry.standardOffset;
        zone.rules = std::move(entry.rules);
        SetMapFlags(catalogue, zone);
        catalogue.order.push_back(static_cast<int>(k) + kFirstRegistryZone);
    }
    FillPseudoZones(catalogue);
    return true;
}

bool LoadZoneCatalogue(ZoneCatalogue& catalogue, RegistryBackend& registry, int year,
                       MessageBoxPort& messages) {
    RegistryZoneSource source(registry);
    return LoadZoneCatalogue(catalogue, source, year, messages);
}

bool ZonesOutOfOrder(const ZoneCatalogue& catalogue, int a, int b, int sortBy) {
    const ZoneInfo& za = catalogue.zones[static_cast<std::size_t>(a)];
    const ZoneInfo& zb = catalogue.zones[static_cast<std::size_t>(b)];
    switch (sortBy) {
        case 0:
            return CompareIgnoreCase(za.Name, zb.Name) > 0;
        case 1:
            return CompareIgnoreCase(zb.Name, za.Name) > 0;
        case 2:  // west to east
            return za.standardOffset > zb.standardOffset;
        case 3:
            return zb.standardOffset > za.standardOffset;
        default:
            return false;
    }
}

void SortZoneOrder(ZoneCatalogue& catalogue, int sortBy) {
    // Zones that compare equal keep their order.
    std::stable_sort(catalogue.order.begin(), catalogue.order.end(),
                     [&](int a, int b) { return ZonesOutOfOrder(catalogue, b, a, sortBy); });
}

}  // namespace horavia
