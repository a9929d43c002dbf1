#include "model/time_conversion.h"

#include <cmath>

#include "model/date_time_text.h"
#include "model/format_zone_time.h"
#include "model/zone_time.h"

namespace horavia {

std::int32_t BiasAtReading(const ZoneInfo& zone, DayCount local) {
    if (!std::isfinite(local)) return zone.Bias;
    // A bias fits the reading when the instant it names has that bias, or gets it right after
    // (the strict comparisons keep the old offset at the very instant of a change, so the
    // first reading of the new offset shows only a moment later). The smallest bias names
    // the earliest instant, so the first fit is the earlier of two, and where none fits (a
    // skipped reading) that earliest instant lies before the change.
    const int year = ToCivil(local).value_or(CivilTime{}).year;
    const std::vector<std::int32_t> biases = BiasesAround(zone, year);
    for (const std::int32_t bias : biases) {
        const DayCount utc = UtcFromLocal(local, bias);
        if (ZoneOffsetAt(zone, utc) == bias ||
            ZoneOffsetAt(zone, ShiftMinutes(utc, 1.0 / 60'000)) == bias) {
            return bias;
        }
    }
    return ZoneOffsetAt(zone, UtcFromLocal(local, biases.front()));
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
