#include "model/registry_zone_source.h"

#include <algorithm>
#include <map>

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

ZoneYearRecord ReadTzi(const std::string& tzi) {
    ZoneYearRecord record;
    record.bias = ReadWord(tzi, 1);
    bool allNul = true;
    for (std::size_t p = 16; p < 32; ++p) {
        if (p <= tzi.size() && tzi[p - 1] != '\0') allNul = false;
    }
    record.dltBias = allNul ? record.bias : record.bias + ReadWord(tzi, 9);
    record.stdRule = RuleAt(tzi, 15, 21);
    record.dltRule = RuleAt(tzi, 31, 37);
    return record;
}

std::shared_ptr<const YearlyRuleZone> RegistryZoneRules(RegistryBackend& registry,
                                                        const std::string& zoneKeyPath,
                                                        const std::string& stdName,
                                                        const std::string& dltName) {
    std::string tzi;
    RegReadString(registry, RegRoot::LocalMachine, zoneKeyPath, "TZI", tzi);
    std::map<int, ZoneYearRecord> years;
    const std::string dynamic = zoneKeyPath + "\\Dynamic DST";
    const auto first = registry.QueryValue(RegRoot::LocalMachine, dynamic, "FirstEntry");
    const auto last = registry.QueryValue(RegRoot::LocalMachine, dynamic, "LastEntry");
    const auto year = [](const std::optional<std::string>& dword) -> int {
        if (!dword || dword->size() != 4) return 0;
        std::uint32_t value = 0;
        for (auto c = dword->rbegin(); c != dword->rend(); ++c) {
            value = (value << 8) | static_cast<unsigned char>(*c);
        }
        return value > 30827 ? 30828 : static_cast<int>(value);
    };
    // The system's own bounds: a year's record outside 1601..30827 cannot be meant.
    const int firstYear = std::max(year(first), 1601);
    const int lastYear = std::min(year(last), 30827);
    for (int y = firstYear; y <= lastYear && lastYear - firstYear < 1000; ++y) {
        std::string record;
        if (RegReadString(registry, RegRoot::LocalMachine, dynamic, std::to_string(y), record)) {
            years.emplace(y, ReadTzi(record));
        }
    }
    return std::make_shared<const YearlyRuleZone>(ReadTzi(tzi), std::move(years), stdName, dltName);
}

ZoneEntries RegistryZoneSource::Entries(int year) {
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
        const auto records = RegistryZoneRules(registry_, sub, zone.stdName, zone.dltName);
        zone.standardOffset = -records->RecordOf(year).bias * 60;
        zone.rules = registry_.ZoneRulesOf(RegRoot::LocalMachine, sub);
        if (!zone.rules) zone.rules = records;
    }
    return result;
}

}  // namespace horavia
