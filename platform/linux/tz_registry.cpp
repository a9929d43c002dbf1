#include "platform/linux/tz_registry.h"

#include <QDate>
#include <QFile>
#include <algorithm>
#include <cctype>
#include <set>

#include "model/text_helpers.h"
#include "platform/linux/tzi_record.h"
#include "platform/linux/zone_table.h"
#include "tz/zone_timeline.h"
#include "tz/zone_year.h"

namespace horavia {
namespace {

// The key path in one canonical spelling, for case-insensitive comparison.
std::string NormalisedPath(const std::string& path) {
    std::string joined;
    for (const auto& part : SplitKeyPath(path)) {
        if (!joined.empty()) joined += '\\';
        joined += ToLowerAscii(part);
    }
    return joined;
}

std::string WithNul(std::string text) {
    text.push_back('\0');
    return text;
}

bool IsUniversalTime(const std::string& ianaId) {
    return ianaId.rfind("Etc/", 0) == 0;
}

}  // namespace

TzRegistry::TzRegistry(std::string_view tableText, int year, const QString& autostartFolder,
                       const std::string& zoneFolder)
    : autostart_(autostartFolder) {
    AddZones(tableText, year, zoneFolder);
    machine_.SetReadOnly(RegRoot::LocalMachine, true);
}

void TzRegistry::AddZones(std::string_view tableText, int year, const std::string& zoneFolder) {
    const ZoneTable table = ParseZoneTable(tableText);
    skippedLines_ = table.skippedLines;
    std::set<std::string> seen;
    for (const ZoneTableRow& row : table.rows) {
        auto timeline = LoadZoneTimeline(row.ianaId, zoneFolder);
        if (!timeline || !seen.insert(ToLowerAscii(row.key)).second) {
            ++skippedLines_;
            continue;
        }
        const ZoneYear zy = ComputeZoneYear(*timeline, year);
        if (zy.daylightPeriods > 1) severalPeriods_.push_back(row.key);
        const TziRecord tzi = TziOfZoneYear(zy);

        const std::string path = std::string(kTimeZonesKeyPath) + '\\' + row.key;
        const std::string display =
            DisplayPrefix(tzi.bias, IsUniversalTime(row.ianaId)) + row.display;
        const std::string mapId = std::to_string(row.mapId1) + ',' + std::to_string(row.mapId2);
        const RegRoot hklm = RegRoot::LocalMachine;
        machine_.SetValue(hklm, path, "Display", WithNul(display));
        machine_.SetValue(hklm, path, "Std", WithNul(row.stdName));
        machine_.SetValue(hklm, path, "Dlt", WithNul(row.dltName));
        machine_.SetValue(hklm, path, "MapID", WithNul(mapId));
        machine_.SetValue(hklm, path, "TZI", PackTzi(tzi));
        timelines_[NormalisedPath(path)] =
            std::make_shared<const ZoneTimeline>(std::move(*timeline));
    }
}

bool TzRegistry::IsRunValue(const std::string& path, const std::string& name) const {
    return ToLowerAscii(name) == ToLowerAscii(kRunValueName) &&
           NormalisedPath(path) == NormalisedPath(kRunKeyPath);
}

std::optional<std::string> TzRegistry::QueryValue(RegRoot root, const std::string& path,
                                                  const std::string& name) {
    if (root == RegRoot::LocalMachine) return machine_.QueryValue(root, path, name);
    if (root == RegRoot::CurrentUser && IsRunValue(path, name)) {
        const auto text = autostart_.ReadRunText();
        if (!text) return std::nullopt;
        return WithNul(*text);
    }
    return user_.QueryValue(root, path, name);
}

std::optional<std::vector<std::string>> TzRegistry::SubKeys(RegRoot root, const std::string& path) {
    if (root == RegRoot::LocalMachine) return machine_.SubKeys(root, path);
    return user_.SubKeys(root, path);
}

bool TzRegistry::SetValue(RegRoot root, const std::string& path, const std::string& name,
                          const std::string& bytes) {
    if (root == RegRoot::LocalMachine) return false;  // as for a user without admin rights
    if (root == RegRoot::CurrentUser && IsRunValue(path, name)) {
        // A string value: its text ends at the first NUL.
        return autostart_.WriteRunText(bytes.substr(0, bytes.find('\0')));
    }
    return user_.SetValue(root, path, name, bytes);
}

std::shared_ptr<const ZoneRules> TzRegistry::ZoneRulesOf(RegRoot root, const std::string& path) {
    if (root != RegRoot::LocalMachine) return nullptr;
    const auto found = timelines_.find(NormalisedPath(path));
    return found == timelines_.end() ? nullptr : found->second;
}

std::unique_ptr<TzRegistry> MakeUserTzRegistry() {
    return std::make_unique<TzRegistry>("", QDate::currentDate().year(), UserAutostartFolder());
}

}  // namespace horavia
