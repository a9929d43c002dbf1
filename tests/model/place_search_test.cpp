// Folding, the table's text and the ranking rules, on a small table made up for the purpose.
#include "model/place_search.h"

#include <gtest/gtest.h>

#include "model/search_text.h"

namespace horavia {
namespace {

TEST(SearchText, FoldsCaseAccentsAndPunctuation) {
    const struct {
        const char* text;
        const char* folded;
    } cases[] = {
        {"Zürich", "zurich"},
        {"São Paulo", "sao paulo"},
        {"St. John's", "st johns"},
        {"St. John\u2019s", "st johns"},  // typographic apostrophe
        {"Hawai\u02bbi", "hawaii"},       // okina
        {"\u0141\u00f3d\u017a", "lodz"},  // Łódź: Latin Extended-A
        {"Hồ Chí Minh", "ho chi minh"},   // Latin Extended Additional
        {"Straße", "strasse"},
        {"Ærøskøbing", "aeroskobing"},
        {"  Port-au-Prince ", "port au prince"},
        {"America/Los_Angeles", "america los angeles"},
        {"Etc/GMT+12", "etc gmt 12"},
        {"Mountain Time (US & Canada)", "mountain time us canada"},
        {"Москва", "Москва"},  // other scripts are kept
        {"a\xff"
         "b",
         "a\xff"
         "b"},             // and so are bytes that are not UTF-8
        {"\xc3", "\xc3"},  // a character cut short
        {"?!", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(FoldSearchText(c.text), c.folded) << c.text;
}

// Zones 10.. of the catalogue: keys and display texts as the registry gives them.
ZoneCatalogue Catalogue() {
    ZoneCatalogue catalogue;
    catalogue.zones.resize(kFirstRegistryZone);
    const char* zones[][3] = {
        {"Eastern Standard Time", "(UTC-05:00) ", "Eastern Time (US & Canada)"},
        {"Mountain Standard Time", "(UTC-07:00) ", "Mountain Time (US & Canada)"},
        {"W. Europe Standard Time", "(UTC+01:00) ", "Amsterdam, Berlin, Bern, Rome"},
        {"Dateline Standard Time", "(UTC-12:00) ", "International Date Line West"},
    };
    for (const auto& z : zones) {
        ZoneInfo info;
        info.Key = z[0];
        info.Prefix = z[1];
        info.Name = z[2];
        catalogue.zones.push_back(info);
    }
    return catalogue;
}

constexpr int kEastern = kFirstRegistryZone;
constexpr int kMountain = kFirstRegistryZone + 1;
constexpr int kWestEurope = kFirstRegistryZone + 2;
constexpr int kDateline = kFirstRegistryZone + 3;

constexpr const char* kTable =
    "# a comment\n"
    "C\tDE\tGermany\t80000000\t\n"
    "C\tUS\tUnited States\t327000000\tUSA,America\n"
    "C\tCH\tSwitzerland\t8500000\t\n"
    "C\tXX\tNowhere\t10\t\n"
    "R\tDE\t02\tBavaria\n"
    "R\tUS\tCO\tColorado\n"
    "R\tUS\tNY\tNew York\n"
    "R\tCH\tZH\tZurich\n"
    "R\tQQ\t01\tNo country\n"
    "Z\tAmerica/Denver\tMountain Standard Time\t1\n"
    "Z\tAmerica/New_York\tEastern Standard Time\t1\n"
    "Z\tEurope/Berlin\tW. Europe Standard Time\t1\n"
    "Z\tEurope/Zurich\tW. Europe Standard Time\t0\n"
    "Z\tEtc/GMT+12\tDateline Standard Time\t1\n"
    "Z\tPacific/Nowhere\tMissing Standard Time\t1\n"
    "P\tNew York City\tNew York,Nueva York\tUS\tNY\t40.71\t-74.01\t8800000\t1\n"
    "P\tMunich\tMünchen,Muenchen\tDE\t02\t48.14\t11.58\t1260000\t2\n"
    "P\tDenver\t\tUS\tCO\t39.74\t-104.98\t715000\t0\n"
    "P\tZürich\tZurich\tCH\tZH\t47.37\t8.55\t340000\t3\n"
    "P\tAurora\t\tUS\tCO\t39.73\t-104.83\t380000\t0\n"
    "P\tBerg\t\tDE\t\t47.97\t11.36\t100\t2\n"
    "P\tBergen\t\tDE\t99\t48.00\t11.00\t1000\t2\n"
    "P\tHeidelberg\t\tDE\t\t49.41\t8.69\t5000\t2\n"
    "P\tLonely\t\tXX\t\t0\t0\t10\t5\n"
    "P\tYork\t\tUS\tNY\t40.0\t-76.7\t40000\t1\n"
    // Malformed: a country twice, field counts, numbers, an unknown country or zone.
    "C\tDE\tGermany again\t1\t\n"
    "C\tFR\tFrance\n"
    "Z\tEurope/Paris\tRomance Standard Time\n"
    "P\tBroken\t\tDE\t\tnorth\t0\t1\t2\n"
    "P\tNo zone\t\tDE\t\t0\t0\t1\t99\n"
    "P\tNo country\t\tQQ\t\t0\t0\t1\t2\n"
    "X\tsomething\n";

class PlaceSearchRules : public ::testing::Test {
  protected:
    std::vector<std::string> Places(std::string_view text, std::size_t limit = 20) const {
        std::vector<std::string> places;
        for (const PlaceMatch& m : search.Find(text, catalogue, limit)) places.push_back(m.place);
        return places;
    }
    ZoneCatalogue catalogue = Catalogue();
    PlaceSearch search{ParsePlaceTable(kTable)};
};

using Texts = std::vector<std::string>;

TEST_F(PlaceSearchRules, TheTableKeepsWellFormedLinesOnly) {
    const PlaceTable& t = search.Table();
    EXPECT_EQ(t.countries.size(), 4u);
    EXPECT_EQ(t.regions.size(), 4u);
    EXPECT_EQ(t.zones.size(), 6u);
    EXPECT_EQ(t.places.size(), 10u);
    EXPECT_EQ(t.skippedLines, 8);
    EXPECT_EQ(t.places[1].alternates, (Texts{"München", "Muenchen"}));
    EXPECT_EQ(t.places[6].region, -1);  // Bergen's region code is unknown
    EXPECT_TRUE(t.zones[0].own);
    EXPECT_FALSE(t.zones[3].own);
}

TEST_F(PlaceSearchRules, AResultCarriesItsPlaceZoneAndPosition) {
    const auto found = search.Find("muenchen", catalogue);
    ASSERT_EQ(found.size(), 1u);
    const PlaceMatch& m = found[0];
    EXPECT_EQ(m.place, "Munich, Bavaria, Germany");
    EXPECT_EQ(m.label, "Munich");
    EXPECT_EQ(m.tzId, "Europe/Berlin");
    EXPECT_EQ(m.zoneKey, "W. Europe Standard Time");
    EXPECT_EQ(m.zoneIndex, kWestEurope);
    EXPECT_EQ(m.zoneDisplay, "(UTC+01:00) Amsterdam, Berlin, Bern, Rome");
    EXPECT_TRUE(m.hasLocation);
    EXPECT_NEAR(m.latitude, 48.14, 1e-4);
    EXPECT_NEAR(m.longitude, 11.58, 1e-4);
}

TEST_F(PlaceSearchRules, ExactBeforePrefixBeforeInsideThenLargerFirst) {
    // Berg is the smallest, Heidelberg the largest.
    EXPECT_EQ(Places("berg"), (Texts{"Berg, Germany", "Bergen, Germany", "Heidelberg, Germany"}));
    // A word start ("york" in "New York City") ranks after a name's start, before the rest.
    EXPECT_EQ(Places("york").front(), "York, New York, United States");
    EXPECT_EQ(Places("york").at(1), "New York City, New York, United States");
    // A city's own name before another name and a region's name; equal matches by size.
    EXPECT_EQ(Places("zurich"), (Texts{"Zürich, Zurich, Switzerland", "Zurich, Switzerland"}));
    EXPECT_EQ(Places("new york").front(), "New York City, New York, United States");
    EXPECT_EQ(Places("berg", 2).size(), 2u);
    EXPECT_TRUE(Places(" .,'- ").empty());
    EXPECT_TRUE(Places("xyzzy").empty());
}

TEST_F(PlaceSearchRules, AreasGiveTheirOneZoneOrTheirLargestCityInEach) {
    const auto germany = search.Find("GERMANY", catalogue);
    ASSERT_EQ(germany.size(), 1u);
    EXPECT_EQ(germany[0].place, "Germany");
    EXPECT_EQ(germany[0].label, "Germany");
    EXPECT_EQ(germany[0].tzId, "Europe/Berlin");  // its largest city's
    EXPECT_EQ(germany[0].zoneIndex, kWestEurope);
    const auto colorado = search.Find("colorado", catalogue);
    ASSERT_EQ(colorado.size(), 1u);
    EXPECT_EQ(colorado[0].place, "Colorado, United States");
    EXPECT_EQ(colorado[0].label, "Colorado");
    EXPECT_EQ(colorado[0].zoneIndex, kMountain);
    const Texts us{"New York City, New York, United States", "Denver, Colorado, United States"};
    EXPECT_EQ(Places("united states"), us);
    EXPECT_EQ(Places("usa"), us);
}

TEST_F(PlaceSearchRules, TzIdsAndZoneTextsFindTheirZones) {
    const auto denver = search.Find("AMERICA/DENVER", catalogue);
    ASSERT_FALSE(denver.empty());
    EXPECT_EQ(denver[0].place, "Denver, Colorado, United States");  // named like the id
    EXPECT_EQ(denver[0].zoneIndex, kMountain);
    const auto dateline = search.Find("etc/gmt+12", catalogue);
    ASSERT_EQ(dateline.size(), 1u);
    EXPECT_EQ(dateline[0].place, "Etc/GMT+12");  // a tz id without a place
    EXPECT_EQ(dateline[0].label, "");
    EXPECT_FALSE(dateline[0].hasLocation);
    EXPECT_EQ(dateline[0].zoneIndex, kDateline);
    EXPECT_EQ(Places("date line"), Texts{"Etc/GMT+12"});
    // A display text and a key stand for the place of the zone's own tz id.
    EXPECT_EQ(Places("mountain time"), Texts{"Denver, Colorado, United States"});
    EXPECT_EQ(search.Find("eastern standard time", catalogue).at(0).zoneIndex, kEastern);
    EXPECT_EQ(Places("bern"), Texts{"Munich, Bavaria, Germany"});  // inside a display text
}

TEST_F(PlaceSearchRules, ZonesTheCatalogueLacksAreLeftOut) {
    EXPECT_TRUE(Places("lonely").empty());
    EXPECT_TRUE(Places("pacific/nowhere").empty());
    catalogue.zones.resize(kFirstRegistryZone + 1);  // Eastern only
    EXPECT_EQ(Places("united states"), Texts{"New York City, New York, United States"});
    EXPECT_TRUE(Places("munich").empty());
}

}  // namespace
}  // namespace horavia
