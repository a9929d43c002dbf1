// Building the time-zone database from the compiled-in table, then enumerating it and reading
// every value of every zone, as the catalogue does at start-up.
#include <benchmark/benchmark.h>

#include <QDate>
#include <QTemporaryDir>

#include "model/zone_catalogue_loader.h"
#include "model/zone_time.h"
#include "platform/linux/tz_registry.h"
#include "platform/linux/tz_zone_source.h"
#include "platform/linux/zone_file.h"
#include "tz/tz_zone_history.h"

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

// Zone time of a zone with its history (Paris), one call a second of clock time, and the
// first call of a year, which works out that year's changes from the zone file.
void BM_HistoryZoneTime(benchmark::State& state) {
    const auto zone =
        std::make_shared<horavia::TzZoneHistory>(*horavia::LoadZoneTimeline("Europe/Paris"));
    horavia::ZoneInfo paris;
    paris.Bias = -60;
    paris.DltBias = -120;
    paris.history = zone;
    horavia::DayCount utc = horavia::FromCivil(2026, 12, 8, 15, 30, 5);
    for (auto _ : state) {
        benchmark::DoNotOptimize(horavia::ZoneTimeFromUtc(paris, utc));
        utc += 1.0 / 86400.0;
    }
}
BENCHMARK(BM_HistoryZoneTime);

void BM_HistoryNewYear(benchmark::State& state) {
    const horavia::TzZoneHistory zone(*horavia::LoadZoneTimeline("America/Miquelon"));
    int year = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zone.ChangesOfYear(year));
        year = year % 9999 + 1;  // more years than are kept: each call works one out
    }
}
BENCHMARK(BM_HistoryNewYear);

}  // namespace

BENCHMARK_MAIN();
