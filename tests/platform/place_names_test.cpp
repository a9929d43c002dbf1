// The compiled-in place names of the program's languages: a user finds a place by its name in
// their language and sees the place, its region and its country named in that language.
#include <gtest/gtest.h>

#include "model/representative_place.h"
#include "model/zone_catalogue_loader.h"
#include "platform/linux/tz_zone_source.h"
#include "platform/place_finder.h"
#include "tests/model/fake_messages.h"

namespace horavia {
namespace {

const ZoneCatalogue& Catalogue() {
    static const ZoneCatalogue catalogue = [] {
        ZoneCatalogue c;
        testing::RecordingMessages messages;
        LoadZoneCatalogue(c, *MakeSystemTzZoneSource(), 2026, messages);
        return c;
    }();
    return catalogue;
}

TEST(LocalPlaceNames, FindAndShowPlacesInTheUsersLanguage) {
    const struct {
        const char* language;  // "": English
        const char* query;
        const char* tzId;   // of the first result
        const char* place;  // its text
        const char* label;  // its label
    } cases[] = {
        {"de", "München", "Europe/Berlin", "München, Bayern, Deutschland", "München"},
        {"de", "Munchen", "Europe/Berlin", "München, Bayern, Deutschland", "München"},
        {"de", "Deutschland", "Europe/Berlin", "Deutschland", "Deutschland"},
        {"fr", "Pékin", "Asia/Shanghai", "Pékin, Chine", "Pékin"},
        {"fr", "Munich", "Europe/Berlin", "Munich, Bavière, Allemagne", "Munich"},
        {"ru", "Пекин", "Asia/Shanghai", "Пекин, Китай", "Пекин"},
        {"ru", "пекин", "Asia/Shanghai", "Пекин, Китай", "Пекин"},
        {"zh_CN", "北京", "Asia/Shanghai", "北京, 北京市, 中国", "北京"},
        {"ja", "北京", "Asia/Shanghai", "北京, 北京市, 中国", "北京"},
        // A tz id's city by its own name: shown by CLDR's name for it.
        {"ja", "Shanghai", "Asia/Shanghai", "上海, 上海市, 中国", "上海"},
        {"ar", "بكين", "Asia/Shanghai", "بكين, الصين", "بكين"},
        // English, and a language without names, as ever.
        {"", "München", "Europe/Berlin", "Munich, Bavaria, Germany", "Munich"},
        {"", "Peking", "Asia/Shanghai", "Beijing, China", "Beijing"},
        {"xx", "Tokyo", "Asia/Tokyo", "Tokyo, Tōkyō, Japan", "Tokyo"},
    };
    for (const auto& c : cases) {
        PlaceFinder finder{QString::fromUtf8(c.language)};
        const auto found = finder.Find(c.query, Catalogue());
        ASSERT_FALSE(found.empty()) << c.language << " " << c.query;
        EXPECT_EQ(found[0].tzId, c.tzId) << c.language << " " << c.query;
        EXPECT_EQ(found[0].place, c.place) << c.language << " " << c.query;
        EXPECT_EQ(found[0].label, c.label) << c.language << " " << c.query;
    }
}

// "Zürich (Kreis 3)" and its kind come after every place that is not a district.
TEST(LocalPlaceNames, DistrictsComeLast) {
    for (const char* language : {"", "de"}) {
        PlaceFinder finder{QString::fromUtf8(language)};
        const auto found = finder.Find("Zurich", Catalogue());
        ASSERT_GT(found.size(), 2u) << language;
        EXPECT_EQ(found[0].place.rfind("Zürich, ", 0), 0u) << found[0].place;
        bool district = false;
        for (const PlaceMatch& m : found) {
            const bool isDistrict = m.place.find("Kreis") != std::string::npos;
            EXPECT_TRUE(isDistrict || !district) << m.place << " after a district";
            district = district || isDistrict;
        }
        EXPECT_TRUE(district) << language;  // still found when asked for
    }
    PlaceFinder finder;
    const auto kreis = finder.Find("Zürich (Kreis 3)", Catalogue());
    ASSERT_FALSE(kreis.empty());  // nothing else matches: the district itself
    EXPECT_EQ(kreis[0].place.rfind("Zürich (Kreis 3)", 0), 0u) << kreis[0].place;
}

// The place a zone's day and night are told for, named in the language.
TEST(LocalPlaceNames, RepresentativePlacesInTheLanguage) {
    const struct {
        const char* language;
        const char* zoneKey;
        const char* place;
    } cases[] = {
        {"de", "W. Europe Standard Time", "Berlin, Deutschland"},
        {"ja", "Tokyo Standard Time", "東京, 日本"},
        {"ru", "China Standard Time", "Шанхай, Китай"},
        {"", "China Standard Time", "Shanghai, China"},
    };
    for (const auto& c : cases) {
        const QByteArray text = PlaceNamesResourceText(QString::fromUtf8(c.language));
        const PlaceNames names = ParsePlaceNames(text.toStdString(), CompiledPlaceTable());
        const auto place =
            RepresentativePlace(CompiledPlaceTable(), c.zoneKey, text.isEmpty() ? nullptr : &names);
        EXPECT_EQ(place ? place->name : "<none>", c.place) << c.language << " " << c.zoneKey;
    }
}

// Every language's names read whole against the table they were written with.
TEST(LocalPlaceNames, EachLanguagesNamesReadWhole) {
    for (const char* language : {"de", "fr", "es", "pt_BR", "ru", "ja", "zh_CN", "ar"}) {
        const QByteArray text = PlaceNamesResourceText(QString::fromUtf8(language));
        ASSERT_FALSE(text.isEmpty()) << language;
        const PlaceNames names = ParsePlaceNames(text.toStdString(), CompiledPlaceTable());
        EXPECT_EQ(names.skippedLines, 0) << language;
        EXPECT_GT(names.places.size(), 100u) << language;
    }
    EXPECT_TRUE(PlaceNamesResourceText(QStringLiteral("../places")).isEmpty());
}

}  // namespace
}  // namespace horavia
