// The program's query clock: a wait ends at its deadline or as soon as it is done, and sleeps
// meanwhile.
#include "sync/query_clock.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTimer>

#include "process_usage.h"

namespace horavia {
namespace {

TEST(SteadyQueryClock, WaitSleepsUntilTheDeadlineOrUntilDone) {
    QueryClock& clock = SteadyQueryClock();
    constexpr std::int64_t kBudgetMs = 300;

    QElapsedTimer wall;
    wall.start();
    const double cpu = test::CpuSeconds();
    std::int64_t start = clock.NowMs();
    clock.WaitUntil([] { return false; }, start + kBudgetMs);
    EXPECT_GE(clock.NowMs() - start, kBudgetMs);
    EXPECT_GE(wall.elapsed(), kBudgetMs);
    EXPECT_LT(wall.elapsed(), 3 * kBudgetMs);
    // Asleep in the event loop: a spinning wait would burn the whole budget.
    EXPECT_LT(test::CpuSeconds() - cpu, 0.1);

    // Done early: the wait ends with the event that made it so.
    bool done = false;
    QTimer::singleShot(20, [&] { done = true; });
    start = clock.NowMs();
    clock.WaitUntil([&] { return done; }, start + 10 * kBudgetMs);
    EXPECT_TRUE(done);
    EXPECT_LT(clock.NowMs() - start, kBudgetMs);

    // Without a condition only time ends it.
    start = clock.NowMs();
    clock.WaitUntil({}, start + 30);
    EXPECT_GE(clock.NowMs() - start, 30);
}

}  // namespace
}  // namespace horavia
