// Converting a typed time from one zone into another, as the converter shows it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/instant.h"
#include "model/locale_info.h"
#include "model/zone_catalogue.h"
#include "tz/civil_days.h"

namespace horavia {

inline constexpr const char* kConvertFormat = "hh:nn";

// The instant a zone's clock reading `local` stands for. A reading that occurs twice (when the
// clocks go back) is taken as the earlier one, on daylight time; a reading skipped when the
// clocks go forward is taken with the offset before the change, standard time. Empty when the
// reading is out of range.
std::optional<Instant> InstantOfReading(const ZoneInfo& zone, const CivilTime& local);

// The moment the source text stands for: what ParseDateTimeText reads, with a time alone on
// today's date; an hour alone ("9", "21") is that hour today; empty text is 00:00 of today.
// Empty when the text cannot be read: it never silently counts as midnight.
std::optional<CivilTime> SourceMoment(const std::string& text, const LocaleInfo& locale,
                                      const CivilTime& now);

// The instant zone `from`'s reading `local` stands for, as the converter reads it: a source
// that is not a registry zone counts as UTC. Empty when the reading has no instant.
std::optional<Instant> SourceInstant(const ZoneCatalogue& catalogue, int from,
                                     const CivilTime& local);

// The reading `local` of registry zone `from`, written as zone `to` shows that moment with
// "hh:nn". Pseudo-zone targets give their own scales. A source that is not a registry zone
// counts as UTC; an unknown target, or a reading with no instant, gives "Invalid Format!!".
std::string ConvertZoneTime(const ZoneCatalogue& catalogue, int from, int to,
                            const CivilTime& local, const LocaleInfo& locale);

// The converter's result for the typed text: ConvertZoneTime of its SourceMoment, or
// "Invalid Format!!" when the text cannot be read.
std::string ConvertTypedTime(const ZoneCatalogue& catalogue, int from, int to,
                             const std::string& text, const LocaleInfo& locale,
                             const CivilTime& now);

}  // namespace horavia
