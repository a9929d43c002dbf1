// Per-call cost of the zone-time conversion and of a clock's text, for a registry zone with
// daylight saving time and for each pseudo-zone.
#include <benchmark/benchmark.h>

#include <memory>

#include "model/format_zone_time.h"
#include "model/yearly_rule_zone.h"
#include "model/zone_catalogue_loader.h"
#include "model/zone_time.h"

namespace {

using namespace horavia;

// A catalogue with one registry zone (US Eastern rules) and the pseudo-zones.
ZoneCatalogue MakeCatalogue() {
    ZoneCatalogue catalogue;
    catalogue.zones.resize(11);
    FillPseudoZones(catalogue);
    ZoneInfo& eastern = catalogue.zones[10];
    eastern.standardOffset = -5 * 3600;
    eastern.rules = std::make_shared<YearlyRuleZone>(
        ZoneYearRecord{300, 240, {11, 0, 1, 2, 0, 0}, {3, 0, 2, 2, 0, 0}});
    catalogue.registryZoneCount = 1;
    return catalogue;
}

const DayCount kNow = FromCivil(2026, 12, 8, 15, 30, 5);

void BM_ZoneTimeConversion(benchmark::State& state) {
    const ZoneCatalogue catalogue = MakeCatalogue();
    Instant t = InstantOfLocal(kNow, -60).value();
    for (auto _ : state) {
        benchmark::DoNotOptimize(ZoneReadingAt(catalogue.zones[10], t));
        t += std::chrono::seconds(1);
    }
}
BENCHMARK(BM_ZoneTimeConversion);

void BM_ZoneTimeText(benchmark::State& state) {
    const ZoneCatalogue catalogue = MakeCatalogue();
    const LocaleInfo locale = EnglishUnitedStates();
    const int zone = static_cast<int>(state.range(0));
    const std::string format = "hh:nn:ss";
    Instant t = InstantOfLocal(kNow, -60).value();
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatZoneTimeAt(catalogue, zone, t, kNow, format, locale));
        t += std::chrono::seconds(1);
    }
    state.SetLabel(catalogue.zones[static_cast<std::size_t>(zone)].Name.empty()
                       ? "Eastern (registry zone)"
                       : catalogue.zones[static_cast<std::size_t>(zone)].Name);
}
BENCHMARK(BM_ZoneTimeText)->Arg(10)->Arg(0)->Arg(2)->Arg(3)->Arg(4)->Arg(5)->Arg(6)->Arg(7)->Arg(8);

}  // namespace

BENCHMARK_MAIN();
