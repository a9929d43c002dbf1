// Filling the zone catalogue from the compiled-in table and the system's zone files, as
// start-up does, and reading zone times from the zones' timelines.
#include <benchmark/benchmark.h>

#include <QDate>
#include <chrono>
#include <cstdint>
#include <memory>

#include "model/zone_catalogue_loader.h"
#include "model/zone_time.h"
#include "platform/linux/tz_zone_source.h"
#include "platform/linux/zone_file.h"
#include "tz/zone_timeline.h"

namespace {

// The catalogue loads tell nothing in a benchmark.
struct SilentMessages : horavia::ImmediateMessageBoxes {
    horavia::MsgAnswer AnswerNow(const horavia::MessageLines&, const std::string&,
                                 horavia::MsgButtons, horavia::MsgIcon) override {
        return horavia::MsgAnswer::Ok;
    }
};

// What start-up does: the zone source read from the table and the zone files, then the
// catalogue filled from it (every zone's standard offset of the year worked out, the zone
// order sorted).
void LoadCatalogue(benchmark::State& state) {
    SilentMessages messages;
    const int year = QDate::currentDate().year();
    for (auto _ : state) {
        const auto source = horavia::MakeSystemTzZoneSource();
        horavia::ZoneCatalogue catalogue;
        horavia::LoadZoneCatalogue(catalogue, *source, year, messages);
        horavia::SortZoneOrder(catalogue, 0);
        benchmark::DoNotOptimize(catalogue.zones.data());
    }
}

// The first load in a process, which also registers the compiled-in table and meets the zone
// files for the first time; registered first so that it runs before any other load.
void BM_FirstTzSourceLoadCatalogue(benchmark::State& state) {
    LoadCatalogue(state);
}
BENCHMARK(BM_FirstTzSourceLoadCatalogue)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_TzSourceLoadCatalogue(benchmark::State& state) {
    LoadCatalogue(state);
}
BENCHMARK(BM_TzSourceLoadCatalogue)->Unit(benchmark::kMillisecond);

// Zone time of a zone on its timeline (Paris), one call a second of clock time.
void BM_TimelineZoneTime(benchmark::State& state) {
    horavia::ZoneInfo paris;
    paris.standardOffset = 3600;
    paris.rules =
        std::make_shared<horavia::ZoneTimeline>(*horavia::LoadZoneTimeline("Europe/Paris"));
    horavia::Instant t =
        horavia::InstantOfLocal(horavia::FromCivil(2026, 12, 8, 15, 30, 5), 0).value();
    for (auto _ : state) {
        benchmark::DoNotOptimize(horavia::ZoneReadingAt(paris, t));
        t += std::chrono::seconds(1);
    }
}
BENCHMARK(BM_TimelineZoneTime);

// The offset in a far year, which the zone's rule string works out (a new year each call).
void BM_TimelineFarYears(benchmark::State& state) {
    const horavia::ZoneTimeline zone = *horavia::LoadZoneTimeline("America/Miquelon");
    int year = 1;
    for (auto _ : state) {
        const std::int64_t midsummer =
            (static_cast<std::int64_t>(year) - 1970) * 31'556'952 + 15'552'000;
        benchmark::DoNotOptimize(zone.StateAt(midsummer));
        year = year % 9999 + 1;
    }
}
BENCHMARK(BM_TimelineFarYears);

}  // namespace

BENCHMARK_MAIN();
