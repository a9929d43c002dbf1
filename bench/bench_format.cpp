// Cost of writing one clock's text: the date/time patterns every clock repaints with once a
// second, and each pseudo-zone's value and text.
#include <benchmark/benchmark.h>

#include <string>

#include "model/date_format.h"
#include "model/number_format.h"
#include "model/pseudo_zones.h"

namespace horavia {
namespace {

const LocaleInfo kLocale = EnglishUnitedStates();
const DayCount kNow = FromCivil(2026, 12, 8, 14, 30, 5);
constexpr double kOneSecond = 1.0 / 86400;

void BenchPattern(benchmark::State& state, const std::string& pattern) {
    DayCount t = kNow;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatDateTime(t, pattern, kLocale));
        t += kOneSecond;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK_CAPTURE(BenchPattern, hh_nn_ss, std::string("hh:nn:ss"));
BENCHMARK_CAPTURE(BenchPattern, hh_nn_ss_ampm, std::string("hh:nn:ss AM/PM"));
BENCHMARK_CAPTURE(BenchPattern, hh_nn, std::string("hh:nn"));
BENCHMARK_CAPTURE(BenchPattern, general_date, std::string("c"));
BENCHMARK_CAPTURE(BenchPattern, long_date_time, std::string("dddd, mmmm d, yyyy hh:nn:ss ww"));

void BenchZone(benchmark::State& state, int zone, const std::string& format) {
    const PopulationModel population;
    DayCount t = kNow;
    for (auto _ : state) {
        benchmark::DoNotOptimize(PseudoZoneText(zone, t, t, population, format, kLocale));
        t += kOneSecond;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK_CAPTURE(BenchZone, julian_long, int{kZoneJulianLong}, std::string());
BENCHMARK_CAPTURE(BenchZone, julian_short, int{kZoneJulianShort}, std::string());
BENCHMARK_CAPTURE(BenchZone, stardate, int{kZoneStardate}, std::string());
BENCHMARK_CAPTURE(BenchZone, population, int{kZonePopulation}, std::string());
BENCHMARK_CAPTURE(BenchZone, mars, int{kZoneMars}, std::string("hh:nn:ss"));
BENCHMARK_CAPTURE(BenchZone, mars_longitude, int{kZoneMars}, std::string("hh:nn:ss [137.4E]"));
BENCHMARK_CAPTURE(BenchZone, unix_time, int{kZoneUnix}, std::string());
BENCHMARK_CAPTURE(BenchZone, swatch, int{kZoneSwatch}, std::string());

// The values alone, without their texts.
void BenchValues(benchmark::State& state) {
    DayCount t = kNow;
    for (auto _ : state) {
        benchmark::DoNotOptimize(JulianDate(t));
        benchmark::DoNotOptimize(StardateOf(t));
        benchmark::DoNotOptimize(PopulationEstimate(t, PopulationModel{}));
        benchmark::DoNotOptimize(MarsTime(t));
        benchmark::DoNotOptimize(UnixTime(t));
        benchmark::DoNotOptimize(SwatchBeats(t));
        t += kOneSecond;
    }
}
BENCHMARK(BenchValues);

void BenchNumber(benchmark::State& state) {
    double v = 2461383.1042245;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatNumber(v, "#,0.00000", kLocale));
        v += kOneSecond;
    }
}
BENCHMARK(BenchNumber);

}  // namespace
}  // namespace horavia

BENCHMARK_MAIN();
