// The table of places that place search looks in (resources/places.tsv, made by
// tools/gen_place_table.py), parsed from its text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace horavia {

struct PlaceCountry {
    std::string code;  // ISO 3166 alpha-2, e.g. "DE"
    std::string name;  // "Germany"
    std::int64_t population = 0;
    std::vector<std::string> aliases;  // other names people use: "UK", "Holland", "Burma"
};

struct PlaceRegion {
    int country = 0;   // index into PlaceTable::countries
    std::string name;  // "Bavaria"
    std::string code;  // GeoNames' code within the country, "02"
};

// A tz id and the Windows zone (the catalogue's key name) it belongs to.
struct PlaceZone {
    std::string tzId;     // "Europe/Berlin"
    std::string zoneKey;  // "W. Europe Standard Time"
    bool own = false;     // the zone's own tz id, which stands for it (one per key)
};

struct Place {
    std::string name;                     // "Munich"
    std::vector<std::string> alternates;  // "München", "Muenchen", "Monachium", ...
    int country = 0;                      // index into PlaceTable::countries
    int region = -1;                      // index into PlaceTable::regions; -1 for none
    float latitude = 0;                   // degrees north
    float longitude = 0;                  // degrees east
    std::int64_t population = 0;
    int zone = 0;           // index into PlaceTable::zones
    bool district = false;  // a section of a larger place ("Zürich (Kreis 3)")
};

struct PlaceTable {
    std::vector<PlaceCountry> countries;
    std::vector<PlaceRegion> regions;
    std::vector<PlaceZone> zones;
    std::vector<Place> places;  // largest first
    int skippedLines = 0;       // malformed lines, left out
};

// Blank lines and lines starting with '#' are comments. Data lines are tab-separated:
//   C code name population aliases           a country (aliases separated by commas)
//   R country-code region-code name          a region
//   Z tz-id zone-key own                     zone k, counted from 0 in the order of the Z lines;
//                                            own is 1 for the zone's own tz id, else 0
//   P name alternates country region latitude longitude population zone-k [PPLX]
// where a tenth field "PPLX" (GeoNames' feature code) marks a district of a larger place.
// A line of another kind or field count, a place or region whose country has no C line before
// it, a zone number without its Z line, or numbers that do not read are skipped; an unknown
// region code leaves the place without a region.
PlaceTable ParsePlaceTable(std::string_view text);

}  // namespace horavia
