#include "model/representative_place.h"

namespace horavia {

std::optional<ClockPlace> RepresentativePlace(const PlaceTable&, std::string_view) {
    return std::nullopt;
}

std::optional<ClockPlace> PlaceOfClock(const ClockEntry& clock, const ZoneCatalogue&,
                                       const PlaceTable*) {
    return clock.Place;
}

}  // namespace horavia
