#include "model/place_search.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <utility>

#include "model/search_text.h"
#include "model/text_helpers.h"

namespace horavia {
namespace {

// How well a name matches, best first.
enum Tier : std::int8_t {
    kExact,       // the owner's own name, e.g. "Mumbai"
    kExactOther,  // another name it is known by, e.g. "Bombay"
    kPrefix,      // a name starting with the text
    kWordPrefix,  // a later word of a name starting with the text ("york" in "new york")
    kInside,      // the text anywhere else
    kNoMatch,
};

// The tier of a hit of `query` at `at` in the folded name `name`.
Tier TierOf(std::string_view name, std::size_t at, std::size_t queryLength, bool ownName) {
    if (at == 0) {
        if (queryLength == name.size()) return ownName ? kExact : kExactOther;
        return kPrefix;
    }
    return name[at - 1] == ' ' ? kWordPrefix : kInside;
}

// The best tier of `query` in the folded name.
Tier BestTier(std::string_view name, std::string_view query, bool ownName) {
    Tier best = kNoMatch;
    for (std::size_t at = name.find(query); at != std::string_view::npos;
         at = name.find(query, at + 1)) {
        best = std::min(best, TierOf(name, at, query.size(), ownName));
    }
    return best;
}

// Folded names of many owners in one buffer, each name ended by '\n', so that one pass of
// find() over the buffer looks at them all.
class NameIndex {
  public:
    // `spelling` is what a match by this name shows (nullptr: the owner's usual name); it must
    // outlive the index.
    void Add(int owner, std::string_view name, bool ownName,
             const std::string* spelling = nullptr) {
        const std::string folded = FoldSearchTextInAnyCase(name);
        if (folded.empty()) return;
        names_.push_back({static_cast<std::uint32_t>(text_.size()), owner, ownName, spelling});
        text_ += folded;
        text_ += '\n';
    }

    struct Hit {
        int owner;
        Tier tier;
        const std::string* spelling;  // of the best name (the first added of equal ones)
    };

    // The best tier of each owner's names for a folded query, in order of first hit.
    std::vector<Hit> Match(std::string_view query, std::size_t owners) const {
        std::vector<Tier> best(owners, kNoMatch);
        std::vector<const std::string*> spelling(owners, nullptr);
        std::vector<int> found;
        std::size_t at = 0;
        while ((at = text_.find(query, at)) != std::string::npos) {
            const auto next = std::upper_bound(
                names_.begin(), names_.end(), at,
                [](std::size_t position, const Name& n) { return position < n.start; });
            const Name& name = *(next - 1);
            const std::size_t end = text_.find('\n', at);
            const std::string_view folded(text_.data() + name.start, end - name.start);
            const Tier tier = BestTier(folded, query, name.ownName);
            Tier& ownerBest = best[static_cast<std::size_t>(name.owner)];
            if (ownerBest == kNoMatch) found.push_back(name.owner);
            if (tier < ownerBest) spelling[static_cast<std::size_t>(name.owner)] = name.spelling;
            ownerBest = std::min(ownerBest, tier);
            at = end + 1;  // the name's other hits were looked at above
        }
        std::vector<Hit> result;
        result.reserve(found.size());
        for (int owner : found) {
            const auto k = static_cast<std::size_t>(owner);
            result.push_back({owner, best[k], spelling[k]});
        }
        return result;
    }

  private:
    struct Name {
        std::uint32_t start;
        int owner;
        bool ownName;
        const std::string* spelling;
    };
    std::string text_;
    std::vector<Name> names_;
};

std::size_t At(int index) {
    return static_cast<std::size_t>(index);
}

}  // namespace

struct PlaceSearch::Index {
    NameIndex places;  // owner: place index
    NameIndex areas;   // owner: country index, then country count + region index
    NameIndex tzIds;   // owner: zone index of the table
    // Per area, its zone keys each with the area's largest place in that zone, largest first.
    std::vector<std::vector<std::pair<std::string, int>>> areaZones;
    std::vector<int> tzPlace;  // per zone of the table: the place that stands for it, or -1
    // Per lower-case zone key: the place that stands for the zone (-1 for none) and the zone of
    // the table that does (its own tz id).
    std::map<std::string, std::pair<int, int>> keyPlace;
};

struct PlaceSearch::Candidate {
    Tier tier = kNoMatch;
    std::int64_t population = 0;
    int kind = 0;        // places, areas, tz ids, zone texts: the order of otherwise equal matches
    int owner = 0;       // a place's index, -1 - k for area k, -1000000 - k for tz id k alone
    int zoneIndex = -1;  // in the catalogue
    int place = -1;      // the place shown, or -1 for a tz id alone
    const PlaceZone* zone = nullptr;  // the tz id shown when there is no place
    std::string areaText;             // for an area: its text and label
    std::string areaLabel;
    const std::string* spelling = nullptr;  // the place's name that matched, when not its own
    bool district = false;                  // a district matched by its name: ranked last
};

PlaceSearch::PlaceSearch(PlaceTable table)
    : PlaceSearch(std::make_shared<const PlaceTable>(std::move(table))) {}

PlaceSearch::PlaceSearch(std::shared_ptr<const PlaceTable> table,
                         std::shared_ptr<const PlaceNames> names)
    : table_(std::move(table)), names_(std::move(names)) {
    auto index = std::make_unique<Index>();
    const PlaceTable& t = *table_;
    const std::size_t countryCount = t.countries.size();

    // The names in the user's language rank like the place's own name and come first, so
    // that of equally good names theirs is shown.
    std::size_t next = 0;
    for (std::size_t k = 0; k < t.places.size(); ++k) {
        const int owner = static_cast<int>(k);
        if (names_ && next < names_->places.size() && names_->places[next].place == owner) {
            const LocalPlaceName& local = names_->places[next++];
            if (!local.shown.empty()) index->places.Add(owner, local.shown, true, &local.shown);
            for (const std::string& name : local.names) index->places.Add(owner, name, true, &name);
        }
        index->places.Add(owner, t.places[k].name, true);
        for (const std::string& name : t.places[k].alternates)
            index->places.Add(owner, name, false, &name);
    }
    for (std::size_t c = 0; c < countryCount; ++c) {
        if (const std::string* local = LocalCountry(static_cast<int>(c)))
            index->areas.Add(static_cast<int>(c), *local, true);
        index->areas.Add(static_cast<int>(c), t.countries[c].name, true);
        for (const std::string& alias : t.countries[c].aliases) {
            index->areas.Add(static_cast<int>(c), alias, false);
        }
    }
    // A region's name ranks as another name: a city of that name comes first.
    for (std::size_t r = 0; r < t.regions.size(); ++r) {
        if (const std::string* local = LocalRegion(static_cast<int>(r)))
            index->areas.Add(static_cast<int>(countryCount + r), *local, false);
        index->areas.Add(static_cast<int>(countryCount + r), t.regions[r].name, false);
    }
    for (std::size_t z = 0; z < t.zones.size(); ++z) {
        index->tzIds.Add(static_cast<int>(z), t.zones[z].tzId, true);
    }

    // Places largest first, so that the first place seen below is the largest.
    std::vector<int> byPopulation(t.places.size());
    for (std::size_t k = 0; k < byPopulation.size(); ++k) byPopulation[k] = static_cast<int>(k);
    std::stable_sort(byPopulation.begin(), byPopulation.end(), [&](int a, int b) {
        return t.places[At(a)].population > t.places[At(b)].population;
    });
    // A tz id stands for the place named like its last part (Asia/Kolkata: Kolkata, not the
    // larger Mumbai), else for its largest place.
    std::vector<std::string> tzCity(t.zones.size());
    for (std::size_t z = 0; z < t.zones.size(); ++z) {
        const std::string& id = t.zones[z].tzId;
        tzCity[z] = FoldSearchTextInAnyCase(std::string_view(id).substr(id.rfind('/') + 1));
    }
    index->areaZones.resize(countryCount + t.regions.size());
    index->tzPlace.assign(t.zones.size(), -1);
    std::vector<bool> namedLikeTz(t.zones.size(), false);
    std::map<std::string, int> largestOfKey;
    for (int k : byPopulation) {
        const Place& place = t.places[At(k)];
        const PlaceZone& zone = t.zones[At(place.zone)];
        largestOfKey.emplace(ToLowerAscii(zone.zoneKey), k);
        const auto addTo = [&](std::size_t area) {
            auto& zones = index->areaZones[area];
            const bool known = std::any_of(zones.begin(), zones.end(),
                                           [&](const auto& z) { return z.first == zone.zoneKey; });
            if (!known) zones.emplace_back(zone.zoneKey, k);
        };
        addTo(At(place.country));
        if (place.region >= 0) addTo(countryCount + At(place.region));
        const std::size_t z = At(place.zone);
        if (!namedLikeTz[z] &&
            (index->tzPlace[z] < 0 || FoldSearchTextInAnyCase(place.name) == tzCity[z])) {
            index->tzPlace[z] = k;
            namedLikeTz[z] = FoldSearchTextInAnyCase(place.name) == tzCity[z];
        }
    }
    // A zone's display text stands for the place of its own tz id, else its largest place.
    for (std::size_t z = 0; z < t.zones.size(); ++z) {
        const std::string key = ToLowerAscii(t.zones[z].zoneKey);
        if (t.zones[z].own) index->keyPlace[key] = {index->tzPlace[z], static_cast<int>(z)};
    }
    for (std::size_t z = 0; z < t.zones.size(); ++z) {
        const std::string key = ToLowerAscii(t.zones[z].zoneKey);
        auto [entry, added] = index->keyPlace.emplace(key, std::pair(-1, static_cast<int>(z)));
        if (entry->second.first < 0) {
            const auto largest = largestOfKey.find(key);
            if (largest != largestOfKey.end()) entry->second.first = largest->second;
        }
    }
    index_ = std::move(index);
}

PlaceSearch::~PlaceSearch() = default;

std::vector<PlaceMatch> PlaceSearch::Find(std::string_view text, const ZoneCatalogue& catalogue,
                                          std::size_t limit) const {
    const std::string query = FoldSearchTextInAnyCase(text);
    if (query.empty() || limit == 0) return {};
    const PlaceTable& t = *table_;
    const Index& index = *index_;
    const std::size_t countryCount = t.countries.size();

    std::map<std::string, int> catalogueIndex;  // lower-case key -> catalogue index
    for (std::size_t k = kFirstRegistryZone; k < catalogue.zones.size(); ++k) {
        catalogueIndex.emplace(ToLowerAscii(catalogue.zones[k].Key), static_cast<int>(k));
    }
    std::vector<Candidate> candidates;
    const auto add = [&](Tier tier, std::int64_t population, int kind, int owner, int place,
                         const PlaceZone& zone, std::string areaText = {},
                         std::string areaLabel = {}) {
        const auto found = catalogueIndex.find(ToLowerAscii(zone.zoneKey));
        if (found == catalogueIndex.end()) return;
        candidates.push_back({tier, population, kind, owner, found->second, place, &zone,
                              std::move(areaText), std::move(areaLabel)});
    };
    const auto population = [&](int place) {
        return place < 0 ? 0 : t.places[At(place)].population;
    };
    const auto zoneOf = [&](int place) -> const PlaceZone& {
        return t.zones[At(t.places[At(place)].zone)];
    };
    // A place, or a tz id alone when there is none.
    const auto addPlaceOrZone = [&](Tier tier, int kind, int place, int zone) {
        if (place >= 0) {
            add(tier, population(place), kind, place, place, zoneOf(place));
        } else {
            add(tier, 0, kind, -1000000 - zone, -1, t.zones[At(zone)]);
        }
    };

    for (const auto& [place, tier, spelling] : index.places.Match(query, t.places.size())) {
        add(tier, population(place), 0, place, place, zoneOf(place));
        if (candidates.empty() || candidates.back().owner != place) continue;
        candidates.back().spelling = names_ ? spelling : nullptr;
        candidates.back().district = t.places[At(place)].district;
    }
    for (const NameIndex::Hit& hit : index.areas.Match(query, index.areaZones.size())) {
        const int area = hit.owner;
        const Tier tier = hit.tier;
        const auto& zones = index.areaZones[At(area)];
        if (zones.size() > 1) {
            // An area with several zones: its largest city in each.
            for (const auto& [key, place] : zones) {
                add(tier, population(place), 1, place, place, zoneOf(place));
            }
        } else if (zones.size() == 1) {
            const bool isCountry = At(area) < countryCount;
            const PlaceRegion* region = isCountry ? nullptr : &t.regions[At(area) - countryCount];
            const PlaceCountry& country = t.countries[isCountry ? At(area) : At(region->country)];
            const std::string& countryName =
                CountryName(isCountry ? At(area) : At(region->country));
            std::string name = isCountry ? countryName : RegionName(At(area) - countryCount);
            std::string areaText = name == countryName ? name : name + ", " + countryName;
            const int place = zones.front().second;
            add(tier, isCountry ? country.population : population(place), 1, -1 - area, place,
                zoneOf(place), std::move(areaText), std::move(name));
        }
    }
    for (const NameIndex::Hit& hit : index.tzIds.Match(query, t.zones.size())) {
        addPlaceOrZone(hit.tier, 2, index.tzPlace[At(hit.owner)], hit.owner);
    }
    for (std::size_t k = kFirstRegistryZone; k < catalogue.zones.size(); ++k) {
        const ZoneInfo& info = catalogue.zones[k];
        const Tier tier =
            std::min({BestTier(FoldSearchTextInAnyCase(info.Name), query, true),
                      BestTier(FoldSearchTextInAnyCase(info.EnglishName), query, true),
                      BestTier(FoldSearchTextInAnyCase(info.Key), query, true)});
        const auto stands = index.keyPlace.find(ToLowerAscii(info.Key));
        if (tier == kNoMatch || stands == index.keyPlace.end()) continue;
        addPlaceOrZone(tier, 3, stands->second.first, stands->second.second);
    }

    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate& a, const Candidate& b) {
                         if (a.district != b.district) return b.district;
                         if (a.tier != b.tier) return a.tier < b.tier;
                         if (a.population != b.population) return a.population > b.population;
                         return a.kind < b.kind;
                     });
    // One result per place and zone, and no two that read the same: the best of each.
    std::vector<PlaceMatch> result;
    std::set<std::pair<int, int>> seenOwners;
    std::set<std::pair<std::string, int>> seenTexts;
    for (Candidate& c : candidates) {
        if (result.size() == limit) break;
        if (!seenOwners.emplace(c.owner, c.zoneIndex).second) continue;
        PlaceMatch match = Materialise(c, catalogue);
        if (!seenTexts.emplace(match.place, match.zoneIndex).second) continue;
        result.push_back(std::move(match));
    }
    return result;
}

PlaceMatch PlaceSearch::Materialise(Candidate& c, const ZoneCatalogue& catalogue) const {
    PlaceMatch m;
    if (c.place >= 0) {
        const Place& p = table_->places[At(c.place)];
        const std::string& city = CityName(c.place, c.spelling);
        m.place = c.areaText.empty() ? PlaceText(p, city) : std::move(c.areaText);
        m.label = c.areaLabel.empty() ? city : std::move(c.areaLabel);
        m.tzId = table_->zones[At(p.zone)].tzId;
        m.hasLocation = true;
        m.latitude = p.latitude;
        m.longitude = p.longitude;
    } else {
        m.place = c.zone->tzId;
        m.tzId = c.zone->tzId;
    }
    const ZoneInfo& info = catalogue.zones[At(c.zoneIndex)];
    m.zoneKey = info.Key;
    m.zoneIndex = c.zoneIndex;
    m.zoneDisplay = info.Prefix + info.Name;
    return m;
}

std::string PlaceSearch::PlaceText(const Place& place, const std::string& city) const {
    std::string result = city;
    std::string_view last = city;
    if (place.region >= 0) {
        const std::string& region = RegionName(At(place.region));
        if (region != last) result += ", " + region;
        last = region;
    }
    const std::string& country = CountryName(At(place.country));
    if (country != last && country != city) result += ", " + country;
    return result;
}

const std::string* PlaceSearch::LocalCountry(int country) const {
    if (!names_ || At(country) >= names_->countries.size()) return nullptr;
    const std::string& name = names_->countries[At(country)];
    return name.empty() ? nullptr : &name;
}

const std::string* PlaceSearch::LocalRegion(int region) const {
    if (!names_ || At(region) >= names_->regions.size()) return nullptr;
    const std::string& name = names_->regions[At(region)];
    return name.empty() ? nullptr : &name;
}

const std::string& PlaceSearch::CountryName(std::size_t country) const {
    const std::string* local = LocalCountry(static_cast<int>(country));
    return local ? *local : table_->countries[country].name;
}

const std::string& PlaceSearch::RegionName(std::size_t region) const {
    const std::string* local = LocalRegion(static_cast<int>(region));
    return local ? *local : table_->regions[region].name;
}

const std::string& PlaceSearch::CityName(int place, const std::string* matched) const {
    if (matched) return *matched;
    if (names_) {
        const LocalPlaceName* local = names_->Of(place);
        if (local && !local->shown.empty()) return local->shown;
    }
    return table_->places[At(place)].name;
}

}  // namespace horavia
