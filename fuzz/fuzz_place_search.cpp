// Fuzzes place search with the input as what the user typed: its folded form must keep the
// promises of search_text.h, and a search must give a result list that holds together, the
// same for the text as for its folded form.
//
// The places are read from the committed table and indexed once per process; each input only
// searches. A search over the whole table costs milliseconds (a query of one letter matches
// most of its 23,500 places, and every search folds every catalogue zone's texts), so the
// index holds a part of it chosen for the shapes the ranking handles: the largest places of
// a few countries (several zones in the United States; one in the others; old and foreign
// names, aliases, regions named like their city, a tz id whose city is not the largest), their
// regions and the tz ids of their zones. The catalogue lacks one of those zones, whose places
// must not be found.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "model/place_search.h"
#include "model/search_text.h"
#include "platform/linux/zone_table.h"

namespace {

using namespace horavia;

constexpr const char* kCountries[] = {"US", "DE", "CH", "IN", "GB", "NP", "JP"};
constexpr std::size_t kPlacesPerCountry = 20;
constexpr const char* kMissingZone = "US Mountain Standard Time";  // Phoenix's

std::string ReadResource(const char* name) {
    const std::string path = std::string(HORAVIA_RESOURCE_DIR) + "/" + name;
    std::ifstream file(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (text.empty()) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        std::abort();
    }
    return text;
}

// The largest places of kCountries (the table lists places largest first), with their
// countries, regions and every tz id of their zones, renumbered.
PlaceTable Part(const PlaceTable& all) {
    PlaceTable part;
    std::map<int, int> countries;
    for (const char* code : kCountries) {
        for (std::size_t c = 0; c < all.countries.size(); ++c) {
            if (all.countries[c].code != code) continue;
            countries[static_cast<int>(c)] = static_cast<int>(part.countries.size());
            part.countries.push_back(all.countries[c]);
        }
    }
    std::vector<const Place*> places;
    std::map<int, std::size_t> perCountry;
    std::set<std::string> keys;
    for (const Place& place : all.places) {
        if (!countries.count(place.country) || perCountry[place.country]++ >= kPlacesPerCountry) {
            continue;
        }
        places.push_back(&place);
        keys.insert(all.zones[static_cast<std::size_t>(place.zone)].zoneKey);
    }
    std::map<int, int> zones;
    for (std::size_t z = 0; z < all.zones.size(); ++z) {
        if (!keys.count(all.zones[z].zoneKey)) continue;
        zones[static_cast<int>(z)] = static_cast<int>(part.zones.size());
        part.zones.push_back(all.zones[z]);
    }
    std::map<int, int> regions;
    for (const Place* place : places) {
        Place copy = *place;
        copy.country = countries.at(place->country);
        copy.zone = zones.at(place->zone);
        if (place->region >= 0) {
            const auto [it, added] =
                regions.emplace(place->region, static_cast<int>(part.regions.size()));
            if (added) {
                PlaceRegion region = all.regions[static_cast<std::size_t>(place->region)];
                region.country = copy.country;
                part.regions.push_back(std::move(region));
            }
            copy.region = it->second;
        }
        part.places.push_back(std::move(copy));
    }
    return part;
}

// The catalogue's registry zones for the part's zones, as the zone table names them (search
// matches the key and the name; the "(UTC...) " prefix only decorates a result).
ZoneCatalogue Catalogue(const PlaceTable& part) {
    std::set<std::string> keys;
    for (const PlaceZone& zone : part.zones) keys.insert(zone.zoneKey);
    keys.erase(kMissingZone);
    ZoneCatalogue catalogue;
    catalogue.zones.resize(kFirstRegistryZone);
    for (const ZoneTableRow& row : ParseZoneTable(ReadResource("windows_zones.tsv")).rows) {
        if (!keys.count(row.key)) continue;
        ZoneInfo zone;
        zone.Key = row.key;
        zone.Prefix = "(UTC) ";
        zone.Name = row.display;
        catalogue.zones.push_back(std::move(zone));
    }
    catalogue.registryZoneCount = static_cast<int>(catalogue.zones.size()) - kFirstRegistryZone;
    return catalogue;
}

struct Shared {
    PlaceSearch search{Part(ParsePlaceTable(ReadResource("places.tsv")))};
    ZoneCatalogue catalogue = Catalogue(search.Table());
};

const Shared& TheShared() {
    static const Shared* const shared = new Shared;
    return *shared;
}

// True when every byte belongs to a character as the folding decodes them (a lead byte and
// its continuation bytes); folding such a text again changes nothing.
bool Decodes(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const std::size_t length = lead < 0x80             ? 1
                                   : (lead & 0xE0) == 0xC0 ? 2
                                   : (lead & 0xF0) == 0xE0 ? 3
                                   : (lead & 0xF8) == 0xF0 ? 4
                                                           : 0;
        if (length == 0 || at + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[at + k]) & 0xC0) != 0x80) return false;
        }
        at += length;
    }
    return true;
}

// Lower-case letters, digits and single inner spaces are the only ASCII left.
void CheckFolded(std::string_view folded) {
    if (folded.empty()) return;
    Check(folded.front() != ' ' && folded.back() != ' ');
    Check(folded.find("  ") == std::string_view::npos);
    for (const char ch : folded) {
        const auto c = static_cast<unsigned char>(ch);
        Check(c >= 0x80 || c == ' ' || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'));
    }
}

void CheckMatches(const std::vector<PlaceMatch>& matches, const ZoneCatalogue& catalogue) {
    Check(matches.size() <= PlaceSearch::kDefaultLimit);
    std::set<std::pair<std::string, int>> seen;
    for (const PlaceMatch& m : matches) {
        Check(catalogue.IsRegistryZone(m.zoneIndex));
        const ZoneInfo& zone = catalogue.zones[static_cast<std::size_t>(m.zoneIndex)];
        Check(m.zoneKey == zone.Key && m.zoneDisplay == zone.Prefix + zone.Name);
        Check(!m.place.empty() && !m.tzId.empty());
        if (m.hasLocation) {
            Check(!m.label.empty());
            Check(std::fabs(m.latitude) <= 90 && std::fabs(m.longitude) <= 180);
        } else {
            Check(m.label.empty() && m.place == m.tzId);
        }
        Check(seen.emplace(m.place, m.zoneIndex).second);  // no two read the same
    }
}

using Listed = std::vector<std::pair<std::string, int>>;

Listed ListOf(const std::vector<PlaceMatch>& matches) {
    Listed listed;
    for (const PlaceMatch& m : matches) listed.emplace_back(m.place, m.zoneIndex);
    return listed;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Shared& s = TheShared();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string folded = FoldSearchText(text);
    CheckFolded(folded);
    const bool foldsOnce = Decodes(text);
    if (foldsOnce) Check(FoldSearchText(folded) == folded);

    const std::vector<PlaceMatch> matches = s.search.Find(text, s.catalogue);
    CheckMatches(matches, s.catalogue);
    if (folded.empty()) Check(matches.empty());
    // Case, accents and punctuation do not matter: the folded text finds the same.
    if (foldsOnce && folded != text) {
        Check(ListOf(s.search.Find(folded, s.catalogue)) == ListOf(matches));
    }
    return 0;
}
