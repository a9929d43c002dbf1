// The catalogue filled straight from the zone table and the tz database is the one the registry
// emulation gives through its yearly records, field by field.
#include "platform/linux/tz_zone_source.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "model/registry_zone_source.h"
#include "model/zone_catalogue_loader.h"
#include "model/zone_time.h"
#include "platform/linux/tz_registry.h"

namespace horavia {
namespace {

struct NoMessages : ImmediateMessageBoxes {
    int shown = 0;
    MsgAnswer AnswerNow(const MessageLines&, const std::string&, MsgButtons, MsgIcon) override {
        ++shown;
        return MsgAnswer::Ok;
    }
};

std::vector<std::string> KeysOf(const ZoneEntries& entries) {
    std::vector<std::string> keys;
    for (const auto& entry : entries.zones) keys.push_back(entry.key);
    return keys;
}

// Loads the table both ways for the year and compares every zone; returns the zone count.
int ExpectSameCatalogue(const std::string& table, int year) {
    QTemporaryDir temp;
    TzRegistry registry(table, year, temp.path());
    TzZoneSource source(table);
    EXPECT_EQ(source.SkippedTableLines(), registry.SkippedTableLines());
    NoMessages messages;
    ZoneCatalogue viaRegistry;
    ZoneCatalogue direct;
    EXPECT_TRUE(LoadZoneCatalogue(viaRegistry, registry, year, messages));
    EXPECT_TRUE(LoadZoneCatalogue(direct, source, year, messages));
    EXPECT_EQ(messages.shown, 0);
    RegistryZoneSource registrySource(registry);
    EXPECT_EQ(KeysOf(source.Entries(year)), KeysOf(registrySource.Entries(year)));

    EXPECT_EQ(direct.registryZoneCount, viaRegistry.registryZoneCount);
    EXPECT_EQ(direct.zoneKeyPath, viaRegistry.zoneKeyPath);
    EXPECT_EQ(direct.runKeyPath, viaRegistry.runKeyPath);
    EXPECT_EQ(direct.order, viaRegistry.order);
    EXPECT_EQ(direct.mapIndexKind, viaRegistry.mapIndexKind);
    EXPECT_EQ(direct.zones.size(), viaRegistry.zones.size());
    if (direct.zones.size() != viaRegistry.zones.size()) return 0;

    const std::vector<DayCount> instants{
        FromCivil(year, 1, 1, 0, 0),    FromCivil(year, 3, 29, 1, 30), FromCivil(year, 7, 1, 12),
        FromCivil(year, 10, 25, 0, 59), FromCivil(1990, 6, 1, 12),     FromCivil(2100, 12, 31, 23)};
    for (std::size_t i = 0; i < direct.zones.size(); ++i) {
        const ZoneInfo& a = direct.zones[i];
        const ZoneInfo& b = viaRegistry.zones[i];
        const std::string zone = std::to_string(i) + " " + b.StdName;
        EXPECT_EQ(a.Prefix, b.Prefix) << zone;
        EXPECT_EQ(a.Name, b.Name) << zone;
        EXPECT_EQ(a.StdName, b.StdName) << zone;
        EXPECT_EQ(a.DltName, b.DltName) << zone;
        EXPECT_EQ(a.standardOffset, b.standardOffset) << zone;
        EXPECT_EQ(a.MapId1, b.MapId1) << zone;
        EXPECT_EQ(a.MapId2, b.MapId2) << zone;
        EXPECT_EQ(a.rules != nullptr, b.rules != nullptr) << zone;
        for (DayCount t : instants) {
            const Instant at = InstantOfLocal(t, 0).value();
            EXPECT_EQ(ZoneReadingAt(a, at), ZoneReadingAt(b, at)) << zone << " at " << t;
            EXPECT_EQ(IsDaylightTime(a, at), IsDaylightTime(b, at)) << zone << " at " << t;
        }
    }
    return direct.registryZoneCount;
}

TEST(TzZoneSource, EveryZoneAsTheRegistryEmulationGivesIt) {
    const std::string table = ZoneTableResourceText().toStdString();
    for (int year : {2026, 2014, 2029}) EXPECT_GT(ExpectSameCatalogue(table, year), 100) << year;

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
    EXPECT_EQ(ExpectSameCatalogue(quirks, 2026), 4);
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
