#include "model/clock_place.h"

#include <charconv>
#include <cmath>

namespace horavia {
namespace {

// A number as written here: an optional minus, digits and an optional point with digits;
// nothing else ("inf", "1e3", a comma) reads.
std::optional<double> ReadDegrees(std::string_view text) {
    if (text.empty() || text.find_first_not_of("-0123456789.") != std::string_view::npos) {
        return std::nullopt;
    }
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// Degrees with at most 4 decimals (about 10 m), without trailing zeros.
std::string DegreesText(double degrees) {
    char buffer[32];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, degrees, std::chars_format::fixed, 4);
    std::string text(buffer, error == std::errc() ? end : buffer);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') text.pop_back();
    }
    return text == "-0" ? "0" : text;
}

}  // namespace

std::optional<ClockPlace> ParseClockPlace(std::string_view text) {
    const std::size_t firstSpace = text.find(' ');
    if (firstSpace == std::string_view::npos) return std::nullopt;
    const std::size_t secondSpace = text.find(' ', firstSpace + 1);
    if (secondSpace == std::string_view::npos) return std::nullopt;
    const std::optional<double> latitude = ReadDegrees(text.substr(0, firstSpace));
    const std::optional<double> longitude =
        ReadDegrees(text.substr(firstSpace + 1, secondSpace - firstSpace - 1));
    const std::string_view name = text.substr(secondSpace + 1);
    if (!latitude || !longitude || std::fabs(*latitude) > 90 || std::fabs(*longitude) > 180 ||
        name.find_first_not_of(" \t") == std::string_view::npos) {
        return std::nullopt;
    }
    return ClockPlace{std::string(name), *latitude, *longitude};
}

std::string ClockPlaceText(const ClockPlace& place) {
    return DegreesText(place.latitude) + ' ' + DegreesText(place.longitude) + ' ' + place.name;
}

}  // namespace horavia
