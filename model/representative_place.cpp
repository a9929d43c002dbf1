#include "model/representative_place.h"

#include <vector>

#include "model/search_text.h"
#include "model/text_helpers.h"

namespace horavia {
namespace {

std::size_t At(int index) {
    return static_cast<std::size_t>(index);
}

// "Berlin, Germany"; a city-state's name alone ("Singapore"); in the language of `names`
// where it knows them.
ClockPlace PlaceNamed(const PlaceTable& table, const Place& place, const PlaceNames* names) {
    const LocalPlaceName* local =
        names ? names->Of(static_cast<int>(&place - table.places.data())) : nullptr;
    std::string name = local && !local->shown.empty() ? local->shown : place.name;
    if (place.country >= 0 && At(place.country) < table.countries.size()) {
        const bool localCountry = names && At(place.country) < names->countries.size() &&
                                  !names->countries[At(place.country)].empty();
        const std::string& country = localCountry ? names->countries[At(place.country)]
                                                  : table.countries[At(place.country)].name;
        if (!country.empty() && country != name) name += ", " + country;
    }
    return {std::move(name), place.latitude, place.longitude};
}

}  // namespace

std::optional<ClockPlace> RepresentativePlace(const PlaceTable& table, std::string_view zoneKey,
                                              const PlaceNames* names) {
    const std::string key = ToLowerAscii(std::string(zoneKey));
    std::vector<bool> ofKey(table.zones.size(), false);
    int own = -1;
    for (std::size_t z = 0; z < table.zones.size(); ++z) {
        if (ToLowerAscii(table.zones[z].zoneKey) != key) continue;
        ofKey[z] = true;
        if (table.zones[z].own && own < 0) own = static_cast<int>(z);
    }
    std::string city;  // the own tz id's city, "New_York" read as "New York"
    if (own >= 0) {
        const std::string& id = table.zones[At(own)].tzId;
        city = FoldSearchText(std::string_view(id).substr(id.rfind('/') + 1));
    }
    // Places come largest first: the first of each kind is the largest.
    const Place* largestOfOwn = nullptr;
    const Place* largestOfKey = nullptr;
    for (const Place& place : table.places) {
        if (place.zone < 0 || At(place.zone) >= ofKey.size() || !ofKey[At(place.zone)]) continue;
        if (!largestOfKey) largestOfKey = &place;
        if (place.zone != own) continue;
        if (!largestOfOwn) largestOfOwn = &place;
        if (!city.empty() && FoldSearchText(place.name) == city) {
            return PlaceNamed(table, place, names);
        }
    }
    if (const Place* chosen = largestOfOwn ? largestOfOwn : largestOfKey) {
        return PlaceNamed(table, *chosen, names);
    }
    return std::nullopt;
}

std::optional<ClockPlace> PlaceOfClock(const ClockEntry& clock, const ZoneCatalogue& catalogue,
                                       const PlaceTable* table, const PlaceNames* names) {
    if (!catalogue.IsRegistryZone(clock.Zone)) return std::nullopt;
    if (clock.Place) return clock.Place;
    if (!table) return std::nullopt;
    return RepresentativePlace(*table, catalogue.zones[At(clock.Zone)].Key, names);
}

}  // namespace horavia
