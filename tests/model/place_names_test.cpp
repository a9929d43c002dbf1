// Place names in the user's language laid over a small table made up for the purpose, and
// districts ranked after every other place.
#include "model/place_names.h"

#include <gtest/gtest.h>

#include "model/place_search.h"

namespace horavia {
namespace {

constexpr const char* kTable =
    "C\tDE\tGermany\t80000000\t\n"
    "C\tCH\tSwitzerland\t8500000\t\n"
    "R\tDE\t02\tBavaria\n"
    "R\tCH\tZH\tZurich\n"
    "Z\tEurope/Berlin\tW. Europe Standard Time\t1\n"
    "P\tBerlin\t\tDE\t\t52.52\t13.41\t3400000\t0\n"
    "P\tMunich\tMünchen,Muenchen\tDE\t02\t48.14\t11.58\t1260000\t0\n"
    "P\tZürich (Kreis 11)\t\tCH\tZH\t47.42\t8.52\t54000\t0\tPPLX\n"
    "P\tZürich\tZurich\tCH\tZH\t47.37\t8.55\t340000\t0\n"
    "P\tZürichberg\t\tCH\tZH\t47.38\t8.57\t100\t0\n";

constexpr const char* kNames =
    "# names\n"
    "C\tDE\tDeutschland\n"
    "R\tDE\t02\tBayern\n"
    "P\t0\tBerlino\t\n"
    "P\t1\t\tМюнхен,Минхен\n"
    // Malformed: an unknown country or region, places out of order, out of range or unnamed.
    "C\tQQ\tNirgendwo\n"
    "R\tDE\t99\tNirgends\n"
    "P\t0\tAgain\t\n"
    "P\t9\tFar\t\n"
    "P\t2\t\t\n"
    "P\tx\tX\t\n";

ZoneCatalogue Catalogue() {
    ZoneCatalogue catalogue;
    catalogue.zones.resize(kFirstRegistryZone);
    ZoneInfo info;
    info.Key = "W. Europe Standard Time";
    catalogue.zones.push_back(info);
    return catalogue;
}

TEST(PlaceNames, KeepWellFormedLinesOnly) {
    const PlaceTable table = ParsePlaceTable(kTable);
    EXPECT_EQ(table.skippedLines, 0);
    EXPECT_TRUE(table.places[2].district);
    EXPECT_FALSE(table.places[3].district);
    const PlaceNames names = ParsePlaceNames(kNames, table);
    EXPECT_EQ(names.skippedLines, 6);
    EXPECT_EQ(names.countries, (std::vector<std::string>{"Deutschland", ""}));
    EXPECT_EQ(names.places.size(), 2u);
    EXPECT_EQ(names.Of(1)->names.size(), 2u);
    EXPECT_EQ(names.Of(2), nullptr);
}

TEST(PlaceNames, FindAndShowInTheLanguage) {
    const auto table = std::make_shared<const PlaceTable>(ParsePlaceTable(kTable));
    const PlaceSearch local(table,
                            std::make_shared<const PlaceNames>(ParsePlaceNames(kNames, *table)));
    const PlaceSearch english(table);
    const ZoneCatalogue catalogue = Catalogue();
    const struct {
        const PlaceSearch& search;
        const char* query;
        const char* place;  // the first result's text
        const char* label;
    } cases[] = {
        {local, "мюнхен", "Мюнхен, Bayern, Deutschland", "Мюнхен"},        // Cyrillic in any case
        {local, "muenchen", "Muenchen, Bayern, Deutschland", "Muenchen"},  // as typed
        {local, "munich", "Munich, Bayern, Deutschland", "Munich"},
        {local, "berlin", "Berlino, Deutschland", "Berlino"},  // its name in the language
        {local, "deutschland", "Deutschland", "Deutschland"},
        {local, "bayern", "Bayern, Deutschland", "Bayern"},
        {english, "muenchen", "Munich, Bavaria, Germany", "Munich"},
        {english, "мюнхен", "", ""},
    };
    for (const auto& c : cases) {
        const auto found = c.search.Find(c.query, catalogue);
        EXPECT_EQ(found.empty() ? "" : found[0].place, c.place) << c.query;
        EXPECT_EQ(found.empty() ? "" : found[0].label, c.label) << c.query;
    }
    // The larger district, matched by a name's start, after the smallest other place.
    std::vector<std::string> zurich;
    for (const PlaceMatch& m : english.Find("zurich", catalogue)) zurich.push_back(m.place);
    EXPECT_EQ(zurich,
              (std::vector<std::string>{"Zürich, Zurich, Switzerland", "Zurich, Switzerland",
                                        "Zürichberg, Zurich, Switzerland",
                                        "Zürich (Kreis 11), Zurich, Switzerland"}));
}

}  // namespace
}  // namespace horavia
