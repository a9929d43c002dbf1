// Where a clock stands: a named place with its position, stored with the clock (SnPlc) as
// "48.1374 11.5755 Munich, Bavaria, Germany".
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace horavia {

struct ClockPlace {
    std::string name;      // "Munich, Bavaria, Germany"
    double latitude = 0;   // degrees north, -90..90
    double longitude = 0;  // degrees east, -180..180
    friend bool operator==(const ClockPlace&, const ClockPlace&) = default;
};

// "latitude longitude name": the degrees with a point and at most 4 decimals whatever the
// locale, then the name, which may hold any characters (spaces too). Empty when either number
// does not read or lies out of range, or the name is empty.
std::optional<ClockPlace> ParseClockPlace(std::string_view text);
std::string ClockPlaceText(const ClockPlace& place);

}  // namespace horavia
