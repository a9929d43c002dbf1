// The zones' display texts in the program's languages, laid over the system zone source.
#include "platform/localized_zone_names.h"

#include <gtest/gtest.h>

#include "platform/linux/tz_zone_source.h"

namespace horavia {
namespace {

const char* const kLanguages[] = {"de", "fr", "es", "pt_BR", "ru", "ja", "zh_CN", "ar"};

ZoneEntries LocalizedEntries(ZoneSource& source, const char* language) {
    LocalizedZoneSource localized(source,
                                  CompiledLocalizedZoneNames(QString::fromLatin1(language)));
    return localized.Entries(2026);
}

TEST(LocalizedZoneNames, EveryLanguageGivesEveryCatalogueZoneItsOwnText) {
    const auto source = MakeSystemTzZoneSource();
    const ZoneEntries english = source->Entries(2026);
    ASSERT_GT(english.zones.size(), 130u);
    for (const char* language : kLanguages) {
        const ZoneEntries entries = LocalizedEntries(*source, language);
        ASSERT_EQ(entries.zones.size(), english.zones.size()) << language;
        for (std::size_t k = 0; k < entries.zones.size(); ++k) {
            const ZoneEntry& zone = entries.zones[k];
            SCOPED_TRACE(std::string(language) + ": " + zone.key);
            EXPECT_FALSE(zone.name.empty());
            EXPECT_EQ(zone.englishName, english.zones[k].name);  // replaced, English kept beside
            EXPECT_EQ(zone.prefix, english.zones[k].prefix);
            EXPECT_EQ(zone.key, english.zones[k].key);
        }
    }
}

TEST(LocalizedZoneNames, KnownTexts) {
    struct Case {
        const char* language;
        const char* key;
        const char* part;  // a part of the zone's text
    };
    const Case cases[] = {
        {"de", "W. Europe Standard Time", "Berlin"},
        {"de", "W. Europe Standard Time", "Wien"},
        {"ja", "W. Europe Standard Time", "ベルリン"},
        {"ja", "Tokyo Standard Time", "東京"},
        {"fr", "Romance Standard Time", "Bruxelles"},
        {"es", "Egypt Standard Time", "El Cairo"},
        {"pt_BR", "Romance Standard Time", "Copenhague"},
        {"ru", "Russian Standard Time", "Москва"},
        {"zh_CN", "Russian Standard Time", "莫斯科"},
        {"ar", "Egypt Standard Time", "القاهرة"},
        {"de", "Mountain Standard Time", "(USA und Kanada)"},
        {"de", "UTC", "Koordinierte Weltzeit"},
    };
    const auto source = MakeSystemTzZoneSource();
    for (const Case& c : cases) {
        const ZoneEntries entries = LocalizedEntries(*source, c.language);
        const auto zone = std::find_if(entries.zones.begin(), entries.zones.end(),
                                       [&](const ZoneEntry& z) { return z.key == c.key; });
        ASSERT_NE(zone, entries.zones.end()) << c.key;
        EXPECT_NE(zone->name.find(c.part), std::string::npos)
            << c.language << " " << c.key << ": " << zone->name;
    }
}

TEST(LocalizedZoneNames, EnglishAndUnknownLanguagesKeepTheSourcesTextsByteForByte) {
    const auto source = MakeSystemTzZoneSource();
    const ZoneEntries english = source->Entries(2026);
    for (const char* language : {"", "en", "ko", "../zone_names_de"}) {
        const ZoneEntries entries = LocalizedEntries(*source, language);
        ASSERT_EQ(entries.zones.size(), english.zones.size()) << language;
        for (std::size_t k = 0; k < entries.zones.size(); ++k) {
            EXPECT_EQ(entries.zones[k].prefix + entries.zones[k].name,
                      english.zones[k].prefix + english.zones[k].name);
            EXPECT_TRUE(entries.zones[k].englishName.empty());
        }
    }
}

// A source whose texts are not the table's English ones (a registry in another language, or a
// table made from older texts) keeps them; malformed lines are left out.
TEST(LocalizedZoneNames, OnlyTheTablesEnglishTextIsReplaced) {
    struct FixedSource : ZoneSource {
        ZoneEntries Entries(int) override {
            ZoneEntries entries;
            for (const char* key : {"A", "B", "C"}) {
                ZoneEntry zone;
                zone.key = key;
                zone.prefix = "(UTC) ";
                zone.name = key[0] == 'A' ? "Vienna" : key[0] == 'B' ? "Wien (own)" : "Rome";
                entries.zones.push_back(zone);
            }
            return entries;
        }
    } source;
    LocalizedZoneSource localized(source, ParseLocalizedZoneNames("# comment\n"
                                                                  "A\tVienna\tWien\n"
                                                                  "B\tVienna\tWien\n"
                                                                  "C\tRome\t\n"
                                                                  "C\tRome\tRom\textra\n"));
    const ZoneEntries entries = localized.Entries(2026);
    EXPECT_EQ(entries.zones[0].name, "Wien");
    EXPECT_EQ(entries.zones[1].name, "Wien (own)");
    EXPECT_EQ(entries.zones[2].name, "Rome");
}

}  // namespace
}  // namespace horavia
