// Building the time-zone database from the compiled-in table, then enumerating it and reading
// every value of every zone, as the catalogue does at start-up.
#include <benchmark/benchmark.h>

#include <QDate>
#include <QTemporaryDir>
#include <chrono>
#include <cstdint>
#include <memory>

#include "model/zone_catalogue_loader.h"
#include "model/zone_time.h"
#include "platform/linux/tz_registry.h"
#include "platform/linux/tz_zone_source.h"
#include "platform/linux/zone_file.h"
#include "tz/zone_timeline.h"

namespace {

using horavia::RegRoot;

std::size_t BuildAndReadAll(const QString& autostartFolder) {
    const QByteArray table = horavia::ZoneTableResourceText();
    horavia::TzRegistry reg(
        std::string_view(table.constData(), static_cast<std::size_t>(table.size())),
        QDate::currentDate().year(), autostartFolder);
    std::vector<std::string> names;
    horavia::RegEnumSubKeys(reg, RegRoot::LocalMachine, horavia::kTimeZonesKeyPath, names);
    std::size_t bytes = 0;
    std::string text;
    for (const auto& name : names) {
        const std::string path = std::string(horavia::kTimeZonesKeyPath) + '\\' + name;
        for (const char* value : {"Display", "Dlt", "Std", "MapID", "TZI"}) {
            if (horavia::RegReadString(reg, RegRoot::LocalMachine, path, value, text)) {
                bytes += text.size();
            }
        }
    }
    return bytes;
}

// The first build in a process also reads and parses the zone files; registered first so that
// it runs before anything has filled Qt's zone cache.
void BM_FirstBuildEnumerateReadAll(benchmark::State& state) {
    QTemporaryDir temp;
    for (auto _ : state) benchmark::DoNotOptimize(BuildAndReadAll(temp.path()));
}
BENCHMARK(BM_FirstBuildEnumerateReadAll)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_BuildEnumerateReadAll(benchmark::State& state) {
    QTemporaryDir temp;
    for (auto _ : state) benchmark::DoNotOptimize(BuildAndReadAll(temp.path()));
}
BENCHMARK(BM_BuildEnumerateReadAll)->Unit(benchmark::kMillisecond);

// The catalogue loads tell nothing in a benchmark.
struct SilentMessages : horavia::ImmediateMessageBoxes {
    horavia::MsgAnswer AnswerNow(const horavia::MessageLines&, const std::string&,
                                 horavia::MsgButtons, horavia::MsgIcon) override {
        return horavia::MsgAnswer::Ok;
    }
};

// What start-up does: build the database, then the catalogue from it (every zone read and
// its transition moments computed, the zone order sorted).
void BM_BuildAndLoadCatalogue(benchmark::State& state) {
    QTemporaryDir temp;
    SilentMessages messages;
    const int year = QDate::currentDate().year();
    for (auto _ : state) {
        const QByteArray table = horavia::ZoneTableResourceText();
        horavia::TzRegistry reg(
            std::string_view(table.constData(), static_cast<std::size_t>(table.size())), year,
            temp.path());
        horavia::ZoneCatalogue catalogue;
        horavia::LoadZoneCatalogue(catalogue, reg, year, messages);
        horavia::SortZoneOrder(catalogue, 0);
        benchmark::DoNotOptimize(catalogue.zones.data());
    }
}
BENCHMARK(BM_BuildAndLoadCatalogue)->Unit(benchmark::kMillisecond);

// What start-up does on Linux: the zone source read from the table and the zone files, then
// the catalogue filled from it directly.
void BM_TzSourceLoadCatalogue(benchmark::State& state) {
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
