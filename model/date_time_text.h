// Reading a typed date and time, as the converter's source box accepts it.
#pragma once

#include <optional>
#include <string>

#include "model/locale_info.h"
#include "tz/civil_days.h"

namespace horavia {

// Reads, in any letter case and with blanks around:
//   a time of day   "14:30", "14:30:15", "2:30 PM", "2:30pm", "2 PM", "12:05 AM"
//                   (the separator ":" or the locale's own; AM/PM, A/P or the locale's markers)
//   a date          ISO "2026-07-01", or the locale's short date with its field order
//                   ("7/1/2026", "7/1/26", "7/1" for this year; "/", "-", "." or the locale's
//                   separator between the fields); a month name, the locale's or English,
//                   with the day before or after it ("15 Jan 2026", "Jan 15, 2026", "15 Jan")
//   a date and a time, separated by blanks or an ISO "T": "2026-07-01T14:30", "7/1/2026 2:30 PM"
// A time alone falls on `today`'s date; a date alone is that day at 00:00.
// Two-digit years 00..29 are 2000..2029, 30..99 are 1930..1999. Empty when the text is not
// one of these or names a day or time that does not exist.
std::optional<CivilTime> ParseDateTimeText(const std::string& text, const LocaleInfo& locale,
                                           const CivilTime& today);

}  // namespace horavia
