// The catalogue filled straight from the zone table and the tz database: every zone with its
// texts, its standard offset and its timeline, whatever the table's quirks.
#include "platform/linux/tz_zone_source.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <map>

#include "model/zone_catalogue_loader.h"
#include "model/zone_time.h"
#include "platform/linux/zone_file.h"
#include "platform/linux/zone_table.h"

namespace horavia {
namespace {

struct NoMessages : ImmediateMessageBoxes {
    int shown = 0;
    MsgAnswer AnswerNow(const MessageLines&, const std::string&, MsgButtons, MsgIcon) override {
        ++shown;
        return MsgAnswer::Ok;
    }
};

// Loads the table for the year and checks every catalogue zone against its entry and the zone
// file of its table line; returns the zone count.
int ExpectCatalogueOfEntries(const std::string& table, int year) {
    TzZoneSource source(table);
    const ZoneEntries entries = source.Entries(year);
    NoMessages messages;
    ZoneCatalogue catalogue;
    EXPECT_TRUE(LoadZoneCatalogue(catalogue, source, year, messages));
    EXPECT_EQ(messages.shown, 0);
    EXPECT_EQ(catalogue.zoneKeyPath, entries.keyPath);
    EXPECT_EQ(static_cast<std::size_t>(catalogue.registryZoneCount), entries.zones.size());

    std::map<std::string, std::string> ianaOf;  // the first line of each key
    for (const ZoneTableRow& row : ParseZoneTable(table).rows) ianaOf.emplace(row.key, row.ianaId);
    const std::vector<DayCount> instants{
        FromCivil(year, 1, 1, 0, 0),    FromCivil(year, 3, 29, 1, 30), FromCivil(year, 7, 1, 12),
        FromCivil(year, 10, 25, 0, 59), FromCivil(1990, 6, 1, 12),     FromCivil(2100, 12, 31, 23)};
    for (int i = kFirstRegistryZone; i < kFirstRegistryZone + catalogue.registryZoneCount; ++i) {
        const ZoneInfo& zone = catalogue.zones[static_cast<std::size_t>(i)];
        const auto entry =
            std::find_if(entries.zones.begin(), entries.zones.end(),
                         [&](const ZoneEntry& e) { return e.stdName == zone.StdName; });
        if (entry == entries.zones.end()) {
            ADD_FAILURE() << "no entry for " << zone.StdName;
            continue;
        }
        SCOPED_TRACE(entry->key);
        EXPECT_EQ(zone.Prefix, entry->prefix);
        EXPECT_EQ(zone.Name, entry->name);
        EXPECT_EQ(zone.DltName, entry->dltName);
        EXPECT_EQ(zone.standardOffset, entry->standardOffset);
        EXPECT_EQ(zone.MapId1, entry->mapId1);
        EXPECT_EQ(zone.MapId2, entry->mapId2);
        // The zone's timeline is the one of its table line's zone file.
        const std::optional<ZoneTimeline> file = LoadZoneTimeline(ianaOf[entry->key]);
        if (!zone.rules || !file) {
            ADD_FAILURE() << "no timeline";
            continue;
        }
        for (DayCount t : instants) {
            const Instant at = InstantOfLocal(t, 0).value();
            const std::int64_t seconds =
                std::chrono::duration_cast<std::chrono::seconds>(at.time_since_epoch()).count();
            EXPECT_EQ(zone.rules->StateAt(seconds), file->StateAt(seconds)) << t;
            EXPECT_EQ(IsDaylightTime(zone, at), file->StateAt(seconds).isDst) << t;
            EXPECT_EQ(ZoneOffsetAt(zone, at), WholeMinuteOffset(file->OffsetAt(seconds))) << t;
        }
    }
    return catalogue.registryZoneCount;
}

TEST(TzZoneSource, EveryZoneWithItsTextsAndTimeline) {
    const std::string table = ZoneTableResourceText().toStdString();
    for (int year : {2026, 2014, 2029}) {
        EXPECT_GT(ExpectCatalogueOfEntries(table, year), 100) << year;
    }

    // Repeated keys in other spellings, unknown and malformed lines, keys out of order,
    // universal time and a zone at offset 0 that is not.
    const std::string quirks =
        "Zulu Standard Time\tZulu\tZulu Standard Time\tZulu Daylight Time\tAfrica/Johannesburg\t"
        "7\t-1\n"
        "alpha standard time\tAlpha\talpha\tx\tNo/Such_Zone\t-1\t-1\n"
        "Alpha Standard Time\tAlpha (Paris)\tAlpha Standard Time\tAlpha Daylight "
        "Time\tEurope/Paris\t5\t6\n"
        "ALPHA STANDARD TIME\tRepeated\tx\tx\tEtc/UTC\t-1\t-1\n"
        "Broken\tline\n"
        "UTC\tCoordinated Universal Time\tCoordinated Universal Time\tCoordinated Universal "
        "Time\tEtc/UTC\t-1\t-1\n"
        "Irish Standard Time\tDublin\tIrish Standard Time\tIrish Summer "
        "Time\tEurope/Dublin\t1\t2\n";
    EXPECT_EQ(ExpectCatalogueOfEntries(quirks, 2026), 4);
    TzZoneSource source(quirks);
    EXPECT_EQ(source.SkippedTableLines(), 3);
    const struct {
        const char* key;
        const char* display;
        std::int32_t standardOffset;
    } rows[] = {
        {"Alpha Standard Time", "(UTC+01:00) Alpha (Paris)", 3600},
        {"Irish Standard Time", "(UTC+00:00) Dublin", 0},
        {"UTC", "(UTC) Coordinated Universal Time", 0},
        {"Zulu Standard Time", "(UTC+02:00) Zulu", 7200},
    };
    const ZoneEntries entries = source.Entries(2026);
    ASSERT_EQ(entries.zones.size(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        EXPECT_EQ(entries.zones[i].key, rows[i].key);
        EXPECT_EQ(entries.zones[i].prefix + entries.zones[i].name, rows[i].display);
        EXPECT_EQ(entries.zones[i].standardOffset, rows[i].standardOffset);
    }
}

TEST(TzZoneSource, NoUsableZoneIsReportedAsNoZones) {
    TzZoneSource source("\x01\x02\tgarbage\n\n#\n");
    EXPECT_TRUE(source.Entries(2026).zones.empty());
    NoMessages messages;
    ZoneCatalogue catalogue;
    EXPECT_FALSE(LoadZoneCatalogue(catalogue, source, 2026, messages));
    EXPECT_EQ(messages.shown, 1);
}

}  // namespace
}  // namespace horavia
