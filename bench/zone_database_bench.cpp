// Building the time-zone database from the compiled-in table, then enumerating it and reading
// every value of every zone, as the catalogue does at start-up.
#include <benchmark/benchmark.h>

#include <QDate>
#include <QTemporaryDir>

#include "model/zone_catalogue_loader.h"
#include "platform/linux/tz_registry.h"

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

// What start-up does: build the database, then the catalogue from it (every zone read and
// its transition moments computed, the zone order sorted).
void BM_BuildAndLoadCatalogue(benchmark::State& state) {
    QTemporaryDir temp;
    struct NoMessages : horavia::MessageBoxPort {
        horavia::MsgAnswer Show(const std::string&, const std::string&, horavia::MsgButtons,
                                horavia::MsgIcon) override {
            return horavia::MsgAnswer::Ok;
        }
    } messages;
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

}  // namespace

BENCHMARK_MAIN();
