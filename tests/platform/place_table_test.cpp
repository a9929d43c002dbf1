// The committed place table over this computer's zone catalogue: what people type finds the
// zone they mean, and every zone can be found by a place.
#include <gtest/gtest.h>

#include <set>

#include "model/representative_place.h"
#include "model/zone_catalogue_loader.h"
#include "platform/linux/tz_zone_source.h"
#include "platform/place_finder.h"
#include "tests/model/fake_messages.h"

namespace horavia {
namespace {

class PlaceTableTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        catalogue_ = new ZoneCatalogue;
        testing::RecordingMessages messages;
        auto source = MakeSystemTzZoneSource();
        ASSERT_TRUE(LoadZoneCatalogue(*catalogue_, *source, 2026, messages));
        finder_ = new PlaceFinder;
    }
    static void TearDownTestSuite() {
        delete finder_;
        delete catalogue_;
    }
    static ZoneCatalogue* catalogue_;
    static PlaceFinder* finder_;
};
ZoneCatalogue* PlaceTableTest::catalogue_ = nullptr;
PlaceFinder* PlaceTableTest::finder_ = nullptr;

TEST_F(PlaceTableTest, WhatPeopleTypeFindsTheirZoneFirst) {
    const struct {
        const char* query;
        const char* zoneKey;  // of the first result
        const char* place;    // the first result's place text starts with this
    } cases[] = {
        // Cities, in any case, with or without their accents and apostrophes.
        {"zurich", "W. Europe Standard Time", "Zürich, Zurich, Switzerland"},
        {"ZÜRICH", "W. Europe Standard Time", "Zürich"},
        {"sao paulo", "E. South America Standard Time", "São Paulo, Brazil"},
        {"São Paulo", "E. South America Standard Time", "São Paulo"},
        {"st johns", "Newfoundland Standard Time", "St. John's, Newfoundland"},
        {"St. John\u2019s", "Newfoundland Standard Time", "St. John's"},
        {"krakow", "Central European Standard Time", "Kraków"},
        {"Łódź", "Central European Standard Time", "Łódź"},
        {"port au prince", "Haiti Standard Time", "Port-au-Prince"},
        {"reykjavik", "Greenwich Standard Time", "Reykjavík"},
        {"Milwaukee", "Central Standard Time", "Milwaukee, Wisconsin"},
        {"denver", "Mountain Standard Time", "Denver, Colorado"},
        {"Phoenix", "US Mountain Standard Time", "Phoenix, Arizona"},
        {"Kathmandu", "Nepal Standard Time", "Kathmandu"},
        {"Adelaide", "Cen. Australia Standard Time", "Adelaide"},
        {"Honolulu", "Hawaiian Standard Time", "Honolulu"},
        {"Tijuana", "Pacific Standard Time (Mexico)", "Tijuana"},
        {"chatham islands", "Chatham Islands Standard Time", "Chatham"},
        // Old and foreign names.
        {"Bombay", "India Standard Time", "Mumbai"},
        {"Calcutta", "India Standard Time", "Kolkata"},
        {"Bengaluru", "India Standard Time", "Bangalore"},
        {"Saigon", "SE Asia Standard Time", "Ho Chi Minh City"},
        {"Peking", "China Standard Time", "Beijing"},
        {"Munich", "W. Europe Standard Time", "Munich, Bavaria"},
        {"München", "W. Europe Standard Time", "Munich"},
        {"Kiev", "FLE Standard Time", "Kiev"},
        {"Kyiv", "FLE Standard Time", "Kiev"},
        {"Leningrad", "Russian Standard Time", "Saint Petersburg"},
        {"Godthab", "Greenland Standard Time", "Nuuk"},
        // Countries: one zone gives the country, several their largest cities.
        {"Germany", "W. Europe Standard Time", "Germany"},
        {"japan", "Tokyo Standard Time", "Japan"},
        {"India", "India Standard Time", "India"},
        {"United States", "Eastern Standard Time", "New York City"},
        {"USA", "Eastern Standard Time", "New York City"},
        {"Russia", "Russian Standard Time", "Moscow"},
        // Tz ids in any case, and the catalogue's own texts and keys.
        {"America/Denver", "Mountain Standard Time", "Denver"},
        {"america/los_angeles", "Pacific Standard Time", "Los Angeles"},
        {"ASIA/KOLKATA", "India Standard Time", "Kolkata"},
        {"Etc/GMT+12", "Dateline Standard Time", ""},
        {"Mountain Time (US & Canada)", "Mountain Standard Time", "Denver"},
        {"pacific time", "Pacific Standard Time", "Los Angeles"},
        {"utc", "UTC", "Etc/UTC"},
        {"international date line", "Dateline Standard Time", ""},
    };
    for (const auto& c : cases) {
        const auto found = finder_->Find(c.query, *catalogue_);
        ASSERT_FALSE(found.empty()) << c.query;
        EXPECT_EQ(found[0].zoneKey, c.zoneKey) << c.query << ": " << found[0].place;
        EXPECT_EQ(found[0].place.rfind(c.place, 0), 0u) << c.query << ": " << found[0].place;
        const ZoneInfo& zone = catalogue_->zones[static_cast<std::size_t>(found[0].zoneIndex)];
        EXPECT_EQ(zone.Key, c.zoneKey) << c.query;
        EXPECT_EQ(found[0].zoneDisplay, zone.Prefix + zone.Name) << c.query;
    }
}

TEST_F(PlaceTableTest, SeveralZonesOfACountryAndAnAliasShowUp) {
    std::set<std::string> us;
    for (const PlaceMatch& m : finder_->Find("united states", *catalogue_)) us.insert(m.zoneKey);
    for (const char* key :
         {"Eastern Standard Time", "Central Standard Time", "Mountain Standard Time",
          "US Mountain Standard Time", "Pacific Standard Time", "Alaskan Standard Time",
          "Hawaiian Standard Time"}) {
        EXPECT_EQ(us.count(key), 1u) << key;
    }
    bool netherlands = false;
    for (const PlaceMatch& m : finder_->Find("holland", *catalogue_)) {
        netherlands = netherlands || m.place == "Netherlands";
    }
    EXPECT_TRUE(netherlands);
    EXPECT_TRUE(finder_->Find("qxzqxz", *catalogue_).empty());
    EXPECT_EQ(finder_->Find("a", *catalogue_).size(), PlaceSearch::kDefaultLimit);
}

// A catalogue zone no place stands for could be found only by its name in the list.
TEST_F(PlaceTableTest, EveryCatalogueZoneHasAPlace) {
    const PlaceTable table = ParsePlaceTable(PlaceTableResourceText().toStdString());
    EXPECT_EQ(table.skippedLines, 0);
    EXPECT_GT(table.places.size(), 20000u);
    std::set<std::string> withPlace;
    std::set<std::string> withTzId;
    for (const Place& place : table.places) {
        withPlace.insert(table.zones[static_cast<std::size_t>(place.zone)].zoneKey);
    }
    for (const PlaceZone& zone : table.zones) withTzId.insert(zone.zoneKey);
    for (std::size_t k = kFirstRegistryZone; k < catalogue_->zones.size(); ++k) {
        const std::string& key = catalogue_->zones[k].Key;
        EXPECT_EQ(withTzId.count(key), 1u) << key;
        // No land keeps the universal time of the "UTC" zone; its tz id Etc/UTC finds it.
        EXPECT_EQ(withPlace.count(key), key == "UTC" ? 0u : 1u) << key;
    }
    EXPECT_GT(catalogue_->registryZoneCount, 130);
}

TEST(PlaceFinder, ReadsTheTableOnTheFirstSearchOnly) {
    PlaceFinder finder;
    EXPECT_FALSE(finder.IsLoaded());
    ZoneCatalogue empty;
    EXPECT_TRUE(finder.Find(" - ", empty).empty());  // nothing to look for: nothing read
    EXPECT_FALSE(finder.IsLoaded());
    EXPECT_TRUE(finder.Find("berlin", empty).empty());  // no zones to show
    EXPECT_TRUE(finder.IsLoaded());
}

// The place a zone's day and night are told for, from the compiled table.
TEST_F(PlaceTableTest, EachZoneHasARepresentativePlace) {
    const struct {
        const char* zoneKey;
        const char* place;  // nullptr: none
    } cases[] = {
        {"W. Europe Standard Time", "Berlin, Germany"},  // not the larger Rome
        {"Tokyo Standard Time", "Tokyo, Japan"},
        {"India Standard Time", "Kolkata, India"},  // named like the tz id, not Mumbai
        {"eastern standard time", "New York City, United States"},
        {"Singapore Standard Time", "Singapore"},
        {"UTC", nullptr},  // no land keeps it
        {"Nowhere Standard Time", nullptr},
    };
    const PlaceTable& table = CompiledPlaceTable();
    EXPECT_EQ(&table, &CompiledPlaceTable());  // parsed once
    for (const auto& c : cases) {
        const std::optional<ClockPlace> place = RepresentativePlace(table, c.zoneKey);
        EXPECT_EQ(place ? place->name : "<none>", c.place ? c.place : "<none>") << c.zoneKey;
    }
    // Every catalogue zone with places has one, and a clock's own place comes first.
    int withPlace = 0;
    for (std::size_t k = kFirstRegistryZone; k < catalogue_->zones.size(); ++k) {
        withPlace += RepresentativePlace(table, catalogue_->zones[k].Key).has_value();
    }
    EXPECT_EQ(withPlace, catalogue_->registryZoneCount - 1);  // all but "UTC"
    int tokyo = -1;
    for (std::size_t k = kFirstRegistryZone; k < catalogue_->zones.size(); ++k) {
        if (catalogue_->zones[k].Key == "Tokyo Standard Time") tokyo = static_cast<int>(k);
    }
    ASSERT_GE(tokyo, 0);
    ClockEntry clock{"Osaka", "", tokyo, true};
    EXPECT_EQ(PlaceOfClock(clock, *catalogue_, &table)->name, "Tokyo, Japan");
    EXPECT_FALSE(PlaceOfClock(clock, *catalogue_, nullptr));
    clock.Place = ClockPlace{"Osaka, Japan", 34.69, 135.5};
    EXPECT_EQ(PlaceOfClock(clock, *catalogue_, nullptr), clock.Place);
    clock.Zone = kZoneUtc;  // the pseudo-zones have no place, not even their own
    EXPECT_FALSE(PlaceOfClock(clock, *catalogue_, &table));
}

}  // namespace
}  // namespace horavia
