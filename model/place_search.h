// Finding zones by the name of a place: a city (by its name, its ASCII name or another name it
// is known by), a country or region, a tz id or the display text of a catalogue zone.
//
// Names are compared in their folded form (search_text.h), so case, accents and punctuation do
// not matter. Ranking: a place's own name equal to what was typed, then another of its names
// (an old or foreign name, a country's alias, a region's name) equal to it, then a name
// starting with it, then a later word starting with it, then a name merely holding it; within
// each, larger places first. A zone's key name ("Pacific Standard Time") counts as its name.
// A district of a larger place ("Zürich (Kreis 3)") matched by its name comes after all else.
//
// A country or region whose places all lie in one zone gives one result, the area itself;
// one with several gives, for each of its zones, its largest city in that zone. A tz id gives
// its city (the place named like the id's last part, else its largest place); a catalogue
// display text or key gives the place of the zone's own tz id. Places whose zone the
// catalogue lacks are left out, and no two results read the same.
//
// Typical use (the table comes from the platform: PlaceFinder in platform/place_finder.h reads
// the compiled-in one on the first search):
//     for (const PlaceMatch& m : finder.Find(text, catalogue)) list(m.place, m.zoneDisplay);
//     // chosen: select m.zoneIndex; dot at m.latitude/m.longitude if m.hasLocation;
//     // label m.label if the clock has none.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/place_names.h"
#include "model/place_table.h"
#include "model/zone_catalogue.h"

namespace horavia {

struct PlaceMatch {
    // "City, Region, Country" (parts that repeat the one before are left out: "Berlin,
    // Germany"); "Region, Country" or "Country" for an area; the tz id itself for a tz id
    // without a place.
    std::string place;
    // The city's name alone (or the area's), e.g. for a clock's label; empty for a tz id
    // without a place.
    std::string label;
    std::string tzId;          // "America/Denver"
    std::string zoneKey;       // the catalogue zone's key, "Mountain Standard Time"
    int zoneIndex = -1;        // the catalogue zone's index
    std::string zoneDisplay;   // its display text, "(UTC-07:00) Mountain Time (US & Canada)"
    bool hasLocation = false;  // latitude and longitude hold the place's position
    double latitude = 0;       // degrees north
    double longitude = 0;      // degrees east
};

class PlaceSearch {
  public:
    static constexpr std::size_t kDefaultLimit = 20;

    explicit PlaceSearch(PlaceTable table);
    // Searches a table that others read too (the program's one copy of the compiled table),
    // with its names in the user's language when `names` is given: those are searched like the
    // places' own names, and results show the city by the name that matched when that is not
    // its own, else by its name in the language, with region and country in the language.
    explicit PlaceSearch(std::shared_ptr<const PlaceTable> table,
                         std::shared_ptr<const PlaceNames> names = nullptr);
    ~PlaceSearch();
    PlaceSearch(const PlaceSearch&) = delete;
    PlaceSearch& operator=(const PlaceSearch&) = delete;

    // The matches for `text`, best first, at most `limit`; none for a text with nothing to
    // compare (blank or punctuation only). The catalogue gives each zone's index and display
    // text; only its registry zones are matched.
    std::vector<PlaceMatch> Find(std::string_view text, const ZoneCatalogue& catalogue,
                                 std::size_t limit = kDefaultLimit) const;

    const PlaceTable& Table() const { return *table_; }

  private:
    struct Index;
    struct Candidate;
    PlaceMatch Materialise(Candidate& candidate, const ZoneCatalogue& catalogue) const;
    std::string PlaceText(const Place& place, const std::string& city) const;
    const std::string* LocalCountry(int country) const;
    const std::string* LocalRegion(int region) const;
    const std::string& CountryName(std::size_t country) const;
    const std::string& RegionName(std::size_t region) const;
    const std::string& CityName(int place, const std::string* matched) const;

    std::shared_ptr<const PlaceTable> table_;
    std::shared_ptr<const PlaceNames> names_;
    std::unique_ptr<const Index> index_;
};

}  // namespace horavia
