#include "sync/stop_watch.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace horavia {
namespace {

TEST(StopWatch, MeasuresAcrossTheCounterWrap) {
    std::uint32_t counter = 0xFFFFFF00u;
    CStopWatch watch([&] { return counter; });
    EXPECT_EQ(watch.Elapsed(), 0);
    counter = 0x00000100u;  // 512 ms later, past 2^32
    EXPECT_EQ(watch.Elapsed(), 512);
    counter = 0x80000010u;  // and past 2^31 as seen from a counter near it
    watch.Reset();
    EXPECT_EQ(watch.Elapsed(), 0);
    counter = 0x80000010u + 2000u;
    EXPECT_EQ(watch.Elapsed(), 2000);
}

TEST(StopWatch, ResetRestartsTheCount) {
    std::uint32_t counter = 100;
    CStopWatch watch([&] { return counter; });
    counter = 350;
    EXPECT_EQ(watch.Elapsed(), 250);
    watch.Reset();
    counter = 360;
    EXPECT_EQ(watch.Elapsed(), 10);
}

TEST(StopWatch, SteadyClockCountsRealMilliseconds) {
    CStopWatch watch;
    EXPECT_GE(watch.MinimumResolution(), 1);
    EXPECT_GE(watch.MaximumResolution(), watch.MinimumResolution());
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    const std::int32_t elapsed = watch.Elapsed();
    EXPECT_GE(elapsed, 30);
    EXPECT_LT(elapsed, 60'000);  // a sanity bound only
}

}  // namespace
}  // namespace horavia
