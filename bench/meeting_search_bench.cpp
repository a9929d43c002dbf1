// The common-slot search: 20 clocks over the next 14 days, with zones that change their clocks
// within the span, the worst case (nobody fits: every slot is measured) and a common one.
#include <benchmark/benchmark.h>

#include <memory>

#include "model/meeting_search.h"
#include "tz/zone_timeline.h"

namespace horavia {
namespace {

std::vector<std::shared_ptr<const ZoneRules>> Zones() {
    std::vector<std::shared_ptr<const ZoneRules>> zones;
    for (const char* rule :
         {"CET-1CEST,M3.5.0,M10.5.0/3", "EST5EDT,M3.2.0,M11.1.0", "<-05>5", "<+0545>-5:45", "JST-9",
          "AEST-10AEDT,M10.1.0,M4.1.0/3", "GMT0BST,M3.5.0/1,M10.5.0", "<+1345>-13:45"}) {
        zones.push_back(std::make_shared<ZoneTimeline>(*ZoneTimeline::FromRule(rule)));
    }
    return zones;
}

void SearchTwentyClocks(benchmark::State& state) {
    const auto zones = Zones();
    std::vector<MeetingClock> clocks;
    for (std::size_t i = 0; i < 20; ++i) {
        // Zones around the world all working 09:00-17:00 never share a slot (state 0); the
        // first eight within a few hours of each other do, a few days on (state 1).
        const std::size_t zone = state.range(0) == 0 ? i % zones.size() : i % 3;
        clocks.push_back({zones[zone].get(), WorkingHours{}});
    }
    // 2026-03-26, three days before Europe's spring change.
    const Instant from = InstantFromUnixMs(std::int64_t{20538} * 86'400'000);
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindMeetingSlot(clocks, from, std::chrono::minutes(30)));
    }
}
BENCHMARK(SearchTwentyClocks)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace horavia

BENCHMARK_MAIN();
