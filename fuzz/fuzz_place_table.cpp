// Fuzzes the place table's reader with the input as a table file: any bytes must give a table
// whose every number points at something that exists, with each line either kept or counted
// as skipped; and the table must index and search without a crash, each result naming a zone
// of the catalogue.
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "model/place_search.h"
#include "model/place_table.h"
#include "model/text_helpers.h"

namespace {

using namespace horavia;

bool Within(int index, std::size_t size) {
    return index >= 0 && static_cast<std::size_t>(index) < size;
}

bool NoEmptyName(const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        if (name.empty()) return false;
    }
    return true;
}

void CheckTable(const PlaceTable& t, std::string_view text) {
    std::size_t dataLines = 0;
    for (std::string_view line : SplitLines(text)) {
        if (!line.empty() && line.front() != '#') ++dataLines;
    }
    Check(t.skippedLines >= 0);
    Check(t.countries.size() + t.regions.size() + t.zones.size() + t.places.size() +
              static_cast<std::size_t>(t.skippedLines) ==
          dataLines);

    std::set<std::string> codes;
    for (const PlaceCountry& c : t.countries) {
        Check(!c.code.empty() && !c.name.empty() && NoEmptyName(c.aliases));
        Check(codes.insert(c.code).second);
    }
    for (const PlaceRegion& r : t.regions) {
        Check(Within(r.country, t.countries.size()) && !r.name.empty());
    }
    for (const PlaceZone& z : t.zones) Check(!z.tzId.empty() && !z.zoneKey.empty());
    for (const Place& p : t.places) {
        Check(!p.name.empty() && NoEmptyName(p.alternates));
        Check(Within(p.country, t.countries.size()) && Within(p.zone, t.zones.size()));
        // A region belongs to the place's own country.
        if (p.region != -1) {
            Check(Within(p.region, t.regions.size()));
            Check(t.regions[static_cast<std::size_t>(p.region)].country == p.country);
        }
    }
}

// A catalogue holding every second zone key of the table, so that some places' zones are
// missing from it.
ZoneCatalogue CatalogueFor(const PlaceTable& t) {
    ZoneCatalogue catalogue;
    catalogue.zones.resize(kFirstRegistryZone);
    std::set<std::string> keys;
    for (const PlaceZone& z : t.zones) {
        if (!keys.insert(ToLowerAscii(z.zoneKey)).second || keys.size() % 2 == 0) continue;
        ZoneInfo zone;
        zone.Key = z.zoneKey;
        zone.Name = z.tzId;
        catalogue.zones.push_back(std::move(zone));
    }
    catalogue.registryZoneCount = static_cast<int>(catalogue.zones.size()) - kFirstRegistryZone;
    return catalogue;
}

void CheckSearch(const PlaceSearch& search, std::string_view text, const ZoneCatalogue& catalogue) {
    const std::vector<PlaceMatch> matches = search.Find(text, catalogue);
    Check(matches.size() <= PlaceSearch::kDefaultLimit);
    for (const PlaceMatch& m : matches) {
        Check(catalogue.IsRegistryZone(m.zoneIndex));
        Check(m.zoneKey == catalogue.zones[static_cast<std::size_t>(m.zoneIndex)].Key);
        Check(!m.place.empty() && !m.tzId.empty());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    PlaceTable table = ParsePlaceTable(text);
    CheckTable(table, text);

    // The names the table holds, searched for in it.
    std::vector<std::string> queries{"a"};
    if (!table.places.empty()) queries.push_back(table.places.front().name);
    if (!table.countries.empty()) queries.push_back(table.countries.back().name);
    if (!table.zones.empty()) queries.push_back(table.zones.front().tzId);
    const ZoneCatalogue catalogue = CatalogueFor(table);
    const PlaceSearch search(std::move(table));
    for (const std::string& query : queries) CheckSearch(search, query, catalogue);
    return 0;
}
