#include "sync/stop_watch.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace horavia {
namespace {

TEST(StopWatch, CountsModulo2To32FromTheLastReset) {
    std::uint32_t counter = 0xFFFFFF00u;
    CStopWatch watch([&] { return counter; });
    EXPECT_EQ(watch.Elapsed(), 0);
    counter = 0x00000100u;  // 512 ms later, past 2^32
    EXPECT_EQ(watch.Elapsed(), 512);
    counter = 0x7FFFFFF0u;  // and across 2^31, where a signed difference would overflow
    watch.Reset();
    counter += 2000u;
    EXPECT_EQ(watch.Elapsed(), 2000);
}

TEST(StopWatch, SteadyClockCountsRealMilliseconds) {
    CStopWatch watch;
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    EXPECT_GE(watch.Elapsed(), 30);
}

}  // namespace
}  // namespace horavia
