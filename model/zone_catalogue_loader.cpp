#include "model/zone_catalogue_loader.h"

#include <algorithm>

#include "model/text_helpers.h"
#include "model/zone_time.h"

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

TransitionRule RuleAt(const std::string& tzi, std::size_t monthChar, std::size_t hourChar) {
    TransitionRule rule;
    rule.month = ReadWord(tzi, monthChar);
    rule.dayOfWeek = ReadWord(tzi, monthChar + 2);
    rule.week = ReadWord(tzi, monthChar + 4);
    rule.hour = ReadWord(tzi, hourChar);
    rule.minute = ReadWord(tzi, hourChar + 2);
    rule.second = ReadWord(tzi, hourChar + 4);
    return rule;
}

void SetMapFlags(ZoneCatalogue& catalogue, const ZoneInfo& zone) {
    auto set = [&](std::int32_t id, std::int32_t kind) {
        if (id >= 0 && static_cast<std::size_t>(id) < kMapIndexCount) {
            catalogue.mapIndexKind[static_cast<std::size_t>(id)] = kind;
        }
    };
    set(zone.MapId2, 0);
    set(zone.MapId1, 1);
}

ZoneInfo Pseudo(const char* prefix, const char* name, std::int32_t bias) {
    ZoneInfo z;
    z.Prefix = prefix;
    z.Name = name;
    z.Bias = bias;
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

void ApplyTzi(ZoneInfo& zone, const std::string& tzi, int year) {
    zone.Bias = ReadWord(tzi, 1);
    bool allNul = true;
    for (std::size_t p = 16; p < 32; ++p) {
        if (p <= tzi.size() && tzi[p - 1] != '\0') allNul = false;
    }
    zone.DltBias = allNul ? zone.Bias : zone.Bias + ReadWord(tzi, 9);
    zone.stdRule = RuleAt(tzi, 15, 21);
    zone.dltRule = RuleAt(tzi, 31, 37);
    zone.hasRule = true;
    zone.StdStart = TransitionMoment(year, zone.stdRule);
    zone.DltStart = TransitionMoment(year, zone.dltRule);
    zone.cachedYear = year;
    zone.cachedStdStart = zone.StdStart;
    zone.cachedDltStart = zone.DltStart;
}

void FillPseudoZones(ZoneCatalogue& catalogue) {
    auto& z = catalogue.zones;
    z[kZoneUtc] = Pseudo("(UTC) ", "Coordinated Universal Time", 0);
    z[kZoneJulianLong] = Pseudo("", "Julian Date (Long)", 1999);
    z[kZoneJulianShort] = Pseudo("", "Julian Date (Short)", 2000);
    z[kZoneStardate] = Pseudo("", "Stardate", 3000);
    z[kZonePopulation] = Pseudo("", "Number of people on earth", 10000);
    z[kZonePopulation].DltBias = 6000;
    z[kZonePopulation].StdStart = 36359;  // 1999-07-18 00:00
    z[kZoneMars] = Pseudo("(MTC) ", "Mars Coordinated Time", 1900);
    z[kZoneUnix] = Pseudo("(UNIX) ", "Unix Timestamp", 0);
    z[kZoneSwatch] = Pseudo("", "Swatch Internet Time", 12000);
    z[kZoneUnknown] = Pseudo("", "??? Unknown ???", 0);
    for (int index : {0, 2, 3, 4, 5, 6, 7, 8, 9}) catalogue.order.push_back(index);
}

bool LoadZoneCatalogue(ZoneCatalogue& catalogue, RegistryBackend& registry, int year,
                       MessageBoxPort& messages) {
    catalogue = ZoneCatalogue{};
    std::vector<std::string> keys;
    std::string path = kZoneKeyPath;
    std::size_t count = RegEnumSubKeys(registry, RegRoot::LocalMachine, path, keys);
    if (count == 0) {
        path = kZoneKeyPathNt;
        count = RegEnumSubKeys(registry, RegRoot::LocalMachine, path, keys);
    }
    if (count == 0) {
        messages.Show(kNoZonesMessage, kAppTitle, MsgButtons::Ok, MsgIcon::Critical);
        return false;
    }
    catalogue.zoneKeyPath = path;
    catalogue.runKeyPath = kRunKeyPath;
    catalogue.registryZoneCount = static_cast<int>(count);
    catalogue.zones.resize(count + kFirstRegistryZone);

    for (std::size_t k = 0; k < count; ++k) {
        const std::string sub = path + "\\" + keys[k];
        ZoneInfo& zone = catalogue.zones[k + kFirstRegistryZone];
        std::string text;
        if (RegReadString(registry, RegRoot::LocalMachine, sub, "Display", text)) {
            SplitDisplay(text, zone.Prefix, zone.Name);
        }
        text.clear();
        if (RegReadString(registry, RegRoot::LocalMachine, sub, "Dlt", text)) zone.DltName = text;
        text.clear();
        if (RegReadString(registry, RegRoot::LocalMachine, sub, "Std", text)) zone.StdName = text;
        text.clear();
        if (RegReadString(registry, RegRoot::LocalMachine, sub, "MapID", text) &&
            ParseMapId(text, zone.MapId1, zone.MapId2)) {
            SetMapFlags(catalogue, zone);
        }
        text.clear();
        RegReadString(registry, RegRoot::LocalMachine, sub, "TZI", text);
        ApplyTzi(zone, text, year);
        zone.history = registry.ZoneHistoryOf(RegRoot::LocalMachine, sub);
        catalogue.order.push_back(static_cast<int>(k) + kFirstRegistryZone);
    }
    FillPseudoZones(catalogue);
    return true;
}

bool ZonesOutOfOrder(const ZoneCatalogue& catalogue, int a, int b, int sortBy) {
    const ZoneInfo& za = catalogue.zones[static_cast<std::size_t>(a)];
    const ZoneInfo& zb = catalogue.zones[static_cast<std::size_t>(b)];
    switch (sortBy) {
        case 0:
            return CompareIgnoreCase(za.Name, zb.Name) > 0;
        case 1:
            return CompareIgnoreCase(zb.Name, za.Name) > 0;
        case 2:
            return za.Bias < zb.Bias;
        case 3:
            return zb.Bias < za.Bias;
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
