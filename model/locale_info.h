// The locale data the format engine needs, filled by the platform from the user's locale.
#pragma once

#include <array>
#include <string>

namespace horavia {

struct LocaleInfo {
    std::array<std::string, 7> dayNames;       // Sunday first
    std::array<std::string, 7> dayAbbrevs;     // Sunday first
    std::array<std::string, 12> monthNames;    // January first
    std::array<std::string, 12> monthAbbrevs;  // January first
    std::string amMarker = "AM";
    std::string pmMarker = "PM";
    // The markers as the locale's own patterns write them (some in capitals); empty: as above.
    std::string patternAmMarker;
    std::string patternPmMarker;
    std::string timeSeparator = ":";
    std::string dateSeparator = "/";
    std::string decimalSeparator = ".";
    std::string groupSeparator = ",";
    // Patterns in the program's own pattern language.
    std::string shortDatePattern = "m/d/yyyy";
    std::string longDatePattern = "dddd, mmmm d, yyyy";
    std::string timePattern = "h:nn:ss AM/PM";
};

// English (United States), the fixed record tests use.
LocaleInfo EnglishUnitedStates();

}  // namespace horavia
