// The night side of the world map: one shade of the whole map at 1x (356 x 184 device pixels)
// and at 2x, at the June solstice, when the twilight band crosses the most rows.
#include <benchmark/benchmark.h>

#include "ui/editor/night_shade.h"

namespace horavia {
namespace {

void ShadeWholeMap(benchmark::State& state) {
    const int scale = static_cast<int>(state.range(0));
    const QSize size(356 * scale, 184 * scale);
    // 2026-06-21 08:00 UTC.
    const SunPosition sun = SunAt(InstantFromUnixMs(std::int64_t{1'782'028'800'000}));
    for (auto _ : state) {
        benchmark::DoNotOptimize(NightShade(size, sun));
    }
}
BENCHMARK(ShadeWholeMap)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// With the sun's position worked out too, as the map does once a minute.
void ShadeWholeMapAtInstant(benchmark::State& state) {
    const Instant t = InstantFromUnixMs(std::int64_t{1'782'028'800'000});
    for (auto _ : state) {
        benchmark::DoNotOptimize(NightShade(QSize(356, 184), SunAt(t)));
    }
}
BENCHMARK(ShadeWholeMapAtInstant)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace horavia

BENCHMARK_MAIN();
