#include "model/format_zone_time.h"

#include "model/date_format.h"
#include "model/pseudo_zones.h"
#include "model/zone_time.h"

namespace horavia {

std::string FormatZoneTime(const ZoneCatalogue& catalogue, int zone, DayCount t, std::int32_t bias,
                           const std::string& format, const LocaleInfo& locale) {
    if (!catalogue.IsValidIndex(zone)) return kInvalidFormat;
    const ZoneInfo& info = catalogue.zones[static_cast<std::size_t>(zone)];
    const DayCount utc = UtcFromLocal(t, bias);
    if (IsPseudoValueZone(zone)) {
        const PopulationModel population = PopulationModelOf(catalogue.IsValidIndex(kZonePopulation)
                                                                 ? catalogue.zones[kZonePopulation]
                                                                 : ZoneInfo{});
        return PseudoZoneText(zone, utc, t, population, format, locale).value_or(kInvalidFormat);
    }
    return FormatDateTime(ZoneTimeFromUtc(info, utc), format, locale).value_or(kInvalidFormat);
}

}  // namespace horavia
