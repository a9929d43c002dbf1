#include "platform/linux/tz_zone_source.h"

#include <QFile>
#include <algorithm>
#include <set>

#include "model/text_helpers.h"
#include "model/zone_catalogue_loader.h"
#include "platform/linux/utc_offset_prefix.h"
#include "tz/zone_year.h"

// Resources of a static library must be registered by name, outside any namespace.
static void InitZoneTableResource() {
    Q_INIT_RESOURCE(resources);
}

namespace horavia {

TzZoneSource::TzZoneSource(std::string_view tableText, const std::string& zoneFolder) {
    ZoneTable table = ParseZoneTable(tableText);
    skippedLines_ = table.skippedLines;
    std::set<std::string> seen;
    for (ZoneTableRow& row : table.rows) {
        auto timeline = LoadZoneTimeline(row.ianaId, zoneFolder);
        // The first usable line of a key wins, whatever its spelling.
        if (!timeline || !seen.insert(ToLowerAscii(row.key)).second) {
            ++skippedLines_;
            continue;
        }
        zones_.push_back(
            {std::move(row), std::make_shared<const ZoneTimeline>(std::move(*timeline))});
    }
    // Zones list in case-insensitive key order, as Windows lists its zone keys.
    std::stable_sort(zones_.begin(), zones_.end(), [](const Zone& a, const Zone& b) {
        return ToLowerAscii(a.row.key) < ToLowerAscii(b.row.key);
    });
}

ZoneEntries TzZoneSource::Entries(int year) {
    ZoneEntries result;
    if (zones_.empty()) return result;
    result.keyPath = kZoneKeyPathNt;
    result.zones.reserve(zones_.size());
    for (const Zone& zone : zones_) {
        // The lowest offset of the year is its standard time, which the display prefix shows;
        // both keep whole minutes.
        const std::int32_t standardOffset =
            ComputeZoneYear(*zone.timeline, year).standardOffset / 60 * 60;
        ZoneEntry entry;
        entry.key = zone.row.key;
        const bool universal = zone.row.ianaId.rfind("Etc/", 0) == 0;
        SplitDisplay(UtcOffsetPrefix(standardOffset, universal) + zone.row.display, entry.prefix,
                     entry.name);
        entry.stdName = zone.row.stdName;
        entry.dltName = zone.row.dltName;
        entry.mapId1 = zone.row.mapId1;
        entry.mapId2 = zone.row.mapId2;
        entry.standardOffset = standardOffset;
        entry.rules = zone.timeline;
        result.zones.push_back(std::move(entry));
    }
    return result;
}

QByteArray ZoneTableResourceText() {
    InitZoneTableResource();
    QFile table(QStringLiteral(":/windows_zones.tsv"));
    return table.open(QIODevice::ReadOnly) ? table.readAll() : QByteArray();
}

std::unique_ptr<TzZoneSource> MakeSystemTzZoneSource() {
    const QByteArray text = ZoneTableResourceText();
    return std::make_unique<TzZoneSource>(
        std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
}

}  // namespace horavia
