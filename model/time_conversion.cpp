#include "model/time_conversion.h"

#include <cmath>

#include "model/date_time_text.h"
#include "model/format_zone_time.h"
#include "model/zone_time.h"

namespace horavia {

std::int32_t BiasAtReading(const ZoneInfo& zone, DayCount local) {
    // The reading is a daylight reading exactly when the instant it names under the daylight
    // bias lies inside the daylight period.
    if (zone.DltBias != zone.Bias && IsDaylightTime(zone, UtcFromLocal(local, zone.DltBias))) {
        return zone.DltBias;
    }
    return zone.Bias;
}

DayCount SourceMoment(const std::string& text, const LocaleInfo& locale, DayCount nowLocal) {
    const DayCount today = std::isfinite(nowLocal) ? std::floor(nowLocal) : 0.0;
    return ParseDateTimeText(text, locale, today).value_or(today);
}

std::string ConvertZoneTime(const ZoneCatalogue& catalogue, int from, int to, DayCount local,
                            const LocaleInfo& locale) {
    std::int32_t bias = 0;
    if (catalogue.IsRegistryZone(from)) {
        bias = BiasAtReading(catalogue.zones[static_cast<std::size_t>(from)], local);
    }
    return FormatZoneTime(catalogue, to, local, bias, kConvertFormat, locale);
}

}  // namespace horavia
