#include "model/clock_place.h"

namespace horavia {

std::optional<ClockPlace> ParseClockPlace(std::string_view) {
    return std::nullopt;
}

std::string ClockPlaceText(const ClockPlace& place) {
    return place.name;
}

}  // namespace horavia
