#include "model/time_conversion.h"

#include "model/date_time_text.h"
#include "model/day_count.h"
#include "model/format_zone_time.h"
#include "model/text_helpers.h"
#include "model/zone_time.h"

namespace horavia {

namespace {

// "9" or "21": one or two digits naming an hour of the day.
std::optional<int> HourAlone(std::string_view text) {
    if (text.empty() || text.size() > 2) return std::nullopt;
    int hour = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        hour = hour * 10 + (c - '0');
    }
    if (hour > 23) return std::nullopt;
    return hour;
}

// A source that is not a registry zone reads its clock as UTC, as a zone without rules does.
std::optional<Instant> UtcInstantOf(const CivilTime& local) {
    const std::optional<LocalTimeLookup> lookup = LookUpReadingOn(nullptr, local);
    if (!lookup) return std::nullopt;
    return lookup->pre;
}

}  // namespace

std::optional<Instant> InstantOfReading(const ZoneInfo& zone, const CivilTime& local) {
    const std::optional<LocalTimeLookup> lookup = LookUpZoneTime(zone, local);
    if (!lookup) return std::nullopt;
    // pre reads the wall time with the offset before the change: the first pass of a repeated
    // reading, and a skipped reading on the offset it was skipped from.
    return lookup->pre;
}

std::optional<CivilTime> SourceMoment(const std::string& text, const LocaleInfo& locale,
                                      const CivilTime& now) {
    CivilTime today{now.year, now.month, now.day};
    const std::string_view trimmed = TrimBlanks(text);
    if (trimmed.empty()) return today;
    if (const auto hour = HourAlone(trimmed)) {
        today.hour = *hour;
        return today;
    }
    return ParseDateTimeText(std::string(trimmed), locale, today);
}

std::optional<Instant> SourceInstant(const ZoneCatalogue& catalogue, int from,
                                     const CivilTime& local) {
    return catalogue.IsRegistryZone(from)
               ? InstantOfReading(catalogue.zones[static_cast<std::size_t>(from)], local)
               : UtcInstantOf(local);
}

std::string ConvertZoneTime(const ZoneCatalogue& catalogue, int from, int to,
                            const CivilTime& local, const LocaleInfo& locale) {
    const std::optional<Instant> moment = SourceInstant(catalogue, from, local);
    if (!moment) return kInvalidFormat;
    // The population scale counts by a local clock, as a day count.
    return FormatZoneTimeAt(catalogue, to, *moment, FromCivil(local), kConvertFormat, locale);
}

std::string ConvertTypedTime(const ZoneCatalogue& catalogue, int from, int to,
                             const std::string& text, const LocaleInfo& locale,
                             const CivilTime& now) {
    const std::optional<CivilTime> moment = SourceMoment(text, locale, now);
    if (!moment) return kInvalidFormat;
    return ConvertZoneTime(catalogue, from, to, *moment, locale);
}

}  // namespace horavia
