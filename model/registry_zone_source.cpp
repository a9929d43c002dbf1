#include "model/registry_zone_source.h"

#include "model/zone_catalogue_loader.h"

namespace horavia {
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

}  // namespace

void ReadTzi(ZoneEntry& entry, const std::string& tzi) {
    entry.bias = ReadWord(tzi, 1);
    bool allNul = true;
    for (std::size_t p = 16; p < 32; ++p) {
        if (p <= tzi.size() && tzi[p - 1] != '\0') allNul = false;
    }
    entry.dltBias = allNul ? entry.bias : entry.bias + ReadWord(tzi, 9);
    entry.stdRule = RuleAt(tzi, 15, 21);
    entry.dltRule = RuleAt(tzi, 31, 37);
}

ZoneEntries RegistryZoneSource::Entries(int /*year*/) {
    ZoneEntries result;
    std::vector<std::string> keys;
    std::string path = kZoneKeyPath;
    std::size_t count = RegEnumSubKeys(registry_, RegRoot::LocalMachine, path, keys);
    if (count == 0) {
        path = kZoneKeyPathNt;
        count = RegEnumSubKeys(registry_, RegRoot::LocalMachine, path, keys);
    }
    if (count == 0) return result;
    result.keyPath = path;
    result.zones.resize(count);
    for (std::size_t k = 0; k < count; ++k) {
        const std::string sub = path + "\\" + keys[k];
        ZoneEntry& zone = result.zones[k];
        zone.key = keys[k];
        std::string text;
        if (RegReadString(registry_, RegRoot::LocalMachine, sub, "Display", text)) {
            SplitDisplay(text, zone.prefix, zone.name);
        }
        text.clear();
        if (RegReadString(registry_, RegRoot::LocalMachine, sub, "Dlt", text)) zone.dltName = text;
        text.clear();
        if (RegReadString(registry_, RegRoot::LocalMachine, sub, "Std", text)) zone.stdName = text;
        text.clear();
        if (RegReadString(registry_, RegRoot::LocalMachine, sub, "MapID", text)) {
            ParseMapId(text, zone.mapId1, zone.mapId2);
        }
        text.clear();
        RegReadString(registry_, RegRoot::LocalMachine, sub, "TZI", text);
        ReadTzi(zone, text);
        zone.history = registry_.ZoneHistoryOf(RegRoot::LocalMachine, sub);
    }
    return result;
}

}  // namespace horavia
