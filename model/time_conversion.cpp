#include "model/time_conversion.h"

#include <cmath>

#include "model/date_time_text.h"
#include "model/format_zone_time.h"
#include "model/zone_time.h"

namespace horavia {

std::optional<Instant> InstantOfReading(const ZoneInfo& zone, DayCount local) {
    const std::optional<LocalTimeLookup> lookup = LookUpZoneTime(zone, local);
    if (!lookup) return std::nullopt;
    // pre reads the wall time with the offset before the change: the first pass of a repeated
    // reading, and a skipped reading on the offset it was skipped from.
    return lookup->pre;
}

DayCount SourceMoment(const std::string& text, const LocaleInfo& locale, DayCount nowLocal) {
    const DayCount today = std::isfinite(nowLocal) ? std::floor(nowLocal) : 0.0;
    return ParseDateTimeText(text, locale, today).value_or(today);
}

std::string ConvertZoneTime(const ZoneCatalogue& catalogue, int from, int to, DayCount local,
                            const LocaleInfo& locale) {
    const std::optional<Instant> moment =
        catalogue.IsRegistryZone(from)
            ? InstantOfReading(catalogue.zones[static_cast<std::size_t>(from)], local)
            : InstantOfLocal(local, 0);
    if (!moment) return kInvalidFormat;
    return FormatZoneTimeAt(catalogue, to, *moment, local, kConvertFormat, locale);
}

}  // namespace horavia
