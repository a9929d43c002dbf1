// The program's query clock: an alarm comes at its moment, from the event loop, which sleeps
// meanwhile; a dropped alarm never comes.
#include "sync/query_clock.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include "process_usage.h"

namespace horavia {
namespace {

TEST(SteadyQueryClock, AlarmComesAtItsMomentWhileTheLoopSleeps) {
    QueryClock& clock = SteadyQueryClock();
    constexpr std::int64_t kBudgetMs = 300;

    QElapsedTimer wall;
    wall.start();
    const double cpu = test::CpuSeconds();
    const std::int64_t start = clock.NowMs();
    std::int64_t rangAt = -1;
    auto alarm =
        clock.AlarmAt(start + kBudgetMs, AlarmKind::Deadline, [&] { rangAt = clock.NowMs(); });
    EXPECT_EQ(rangAt, -1) << "never from within AlarmAt";
    while (rangAt < 0 && wall.elapsed() < 3 * kBudgetMs) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    EXPECT_GE(rangAt - start, kBudgetMs);
    EXPECT_LT(wall.elapsed(), 3 * kBudgetMs);
    // Asleep in the event loop: a spinning wait would burn the whole budget.
    EXPECT_LT(test::CpuSeconds() - cpu, 0.1);

    // Dropped before its moment: nothing comes.
    bool rang = false;
    auto dropped = clock.AlarmAt(clock.NowMs() + 20, AlarmKind::Pause, [&] { rang = true; });
    dropped.reset();
    wall.restart();
    while (wall.elapsed() < 60) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_FALSE(rang);
}

}  // namespace
}  // namespace horavia
