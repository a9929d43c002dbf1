#include "model/format_zone_time.h"

#include "model/date_format.h"
#include "model/pseudo_zones.h"
#include "model/zone_time.h"

namespace horavia {
namespace {

std::string PseudoZoneTime(int zone, DayCount utc, DayCount localTime, const std::string& format,
                           const LocaleInfo& locale) {
    return PseudoZoneText(zone, utc, localTime, PopulationModel{}, format, locale)
        .value_or(kInvalidFormat);
}

}  // namespace

std::string FormatZoneTimeAt(const ZoneCatalogue& catalogue, int zone, Instant t,
                             DayCount localTime, const std::string& format,
                             const LocaleInfo& locale) {
    if (!catalogue.IsValidIndex(zone)) return kInvalidFormat;
    const ZoneInfo& info = catalogue.zones[static_cast<std::size_t>(zone)];
    // The other scales take a UTC day count.
    if (IsPseudoValueZone(zone)) {
        return PseudoZoneTime(zone, LocalDayCountAt(t, 0), localTime, format, locale);
    }
    const std::optional<CivilTime> reading = ZoneCivilTimeAt(info, t);
    if (!reading) return kInvalidFormat;
    return FormatDateTime(*reading, format, locale).value_or(kInvalidFormat);
}

}  // namespace horavia
