// Place search: the first search's cost of reading and indexing the compiled-in table (alone
// and with a language's place names), and
// the time of one search once it is loaded, for texts that match little, much or nothing.
#include <benchmark/benchmark.h>

#include "model/services.h"
#include "model/zone_catalogue_loader.h"
#include "platform/linux/tz_zone_source.h"
#include "platform/place_finder.h"

namespace {

class NoMessages : public horavia::ImmediateMessageBoxes {
  public:
    horavia::MsgAnswer AnswerNow(const horavia::MessageLines&, const std::string&,
                                 horavia::MsgButtons, horavia::MsgIcon) override {
        return horavia::MsgAnswer::Ok;
    }
};

const horavia::ZoneCatalogue& Catalogue() {
    static const horavia::ZoneCatalogue catalogue = [] {
        horavia::ZoneCatalogue c;
        NoMessages messages;
        auto source = horavia::MakeSystemTzZoneSource();
        horavia::LoadZoneCatalogue(c, *source, 2026, messages);
        return c;
    }();
    return catalogue;
}

// What the first search pays before it looks: decompress, parse, fold and index.
void BM_LoadTable(benchmark::State& state) {
    for (auto _ : state) {
        const QByteArray bytes = horavia::PlaceTableResourceText();
        horavia::PlaceSearch search(horavia::ParsePlaceTable(
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
        benchmark::DoNotOptimize(search.Table().places.size());
    }
}
BENCHMARK(BM_LoadTable)->Unit(benchmark::kMillisecond);

// The same with the place names of a language laid over the table: read, parse and index them too.
void BM_LoadTableWithNames(benchmark::State& state, const char* language) {
    for (auto _ : state) {
        const QByteArray bytes = horavia::PlaceTableResourceText();
        auto table = std::make_shared<const horavia::PlaceTable>(horavia::ParsePlaceTable(
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
        const QByteArray names = horavia::PlaceNamesResourceText(QString::fromUtf8(language));
        horavia::PlaceSearch search(
            table, std::make_shared<const horavia::PlaceNames>(horavia::ParsePlaceNames(
                       std::string_view(names.constData(), static_cast<std::size_t>(names.size())),
                       *table)));
        benchmark::DoNotOptimize(search.Table().places.size());
    }
}
BENCHMARK_CAPTURE(BM_LoadTableWithNames, de, "de")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadTableWithNames, ru, "ru")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadTableWithNames, ja, "ja")->Unit(benchmark::kMillisecond);

// The first search in a fresh finder, loading included.
void BM_FirstSearch(benchmark::State& state) {
    const auto& catalogue = Catalogue();
    for (auto _ : state) {
        horavia::PlaceFinder finder;
        benchmark::DoNotOptimize(finder.Find("zurich", catalogue).size());
    }
}
BENCHMARK(BM_FirstSearch)->Unit(benchmark::kMillisecond);

void BM_WarmSearch(benchmark::State& state, const char* text) {
    const auto& catalogue = Catalogue();
    horavia::PlaceFinder finder;
    finder.Find("x", catalogue);
    for (auto _ : state) benchmark::DoNotOptimize(finder.Find(text, catalogue).size());
}
// A city, a name many places hold, one letter (while typing), a country with several zones,
// a tz id, a zone's text, nothing.
BENCHMARK_CAPTURE(BM_WarmSearch, city, "zurich")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WarmSearch, common, "san")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WarmSearch, one_letter, "a")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WarmSearch, country, "united states")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WarmSearch, tz_id, "america/denver")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WarmSearch, zone_text, "mountain time")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WarmSearch, nothing, "qxzqxz")->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
