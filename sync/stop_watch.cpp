#include "sync/stop_watch.h"

#include <chrono>
#include <utility>

namespace horavia {

CStopWatch::CStopWatch() : CStopWatch(&CStopWatch::SteadyMilliseconds) {}

CStopWatch::CStopWatch(Counter counter) : counter_(std::move(counter)) {
    Reset();
}

std::int32_t CStopWatch::Elapsed() const {
    const std::uint32_t difference = counter_() - startCount_;  // modulo 2^32
    return static_cast<std::int32_t>(difference);
}

void CStopWatch::Reset() {
    startCount_ = counter_();
}

std::uint32_t CStopWatch::SteadyMilliseconds() {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now().time_since_epoch())
                        .count();
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(ms));
}

}  // namespace horavia
