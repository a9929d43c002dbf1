// The date/time pattern language of clock formats (compatible with the automation library's
// user-defined date and time formats). Tokens match in any letter case:
//   d dd ddd dddd        day, with leading zero, abbreviated / full weekday name
//   ddddd dddddd         the locale's short / long date pattern
//   w ww                 weekday (1 = Sunday), week of the year (week 1 holds 1 January)
//   m mm mmm mmmm        month, with leading zero, abbreviated / full name; m and mm are the
//                        minute when the previous date/time token (literals skipped) is h/hh
//   q y yy yyyy          quarter, day of the year, two- and four-digit year
//   h hh n nn s ss       hour, minute, second (with / without leading zero)
//   ttttt c              the locale's time pattern; its date and time ("general date")
//   AM/PM A/P (any case) 12-hour clock, writes its own text for the half of the day
//   AMPM                 12-hour clock, writes the locale's marker
//   : /                  the locale's time and date separators
//   \x  "text"           literal text; anything else is written as itself
#pragma once

#include <optional>
#include <string>

#include "model/day_count.h"
#include "model/locale_info.h"

namespace horavia {

// The value written with the pattern; empty when the value cannot be written (not finite or
// its year outside 100..9999). An empty pattern writes the general date ("c"). The second
// shown is the one that has begun: times are never rounded up to the next second.
std::optional<std::string> FormatDateTime(const CivilTime& value, const std::string& pattern,
                                          const LocaleInfo& locale);
// A day count, as the serial scales and the converter give it.
std::optional<std::string> FormatDateTime(DayCount value, const std::string& pattern,
                                          const LocaleInfo& locale);

}  // namespace horavia
