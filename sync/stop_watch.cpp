#include "sync/stop_watch.h"

#include <chrono>
#include <limits>
#include <utility>

namespace horavia {

namespace {

// The counter's step: the steady clock's tick rounded up to whole milliseconds, at least 1.
std::int32_t CounterResolutionMs() {
    using Period = std::chrono::steady_clock::period;
    const auto ms = (Period::num * 1000 + Period::den - 1) / Period::den;
    return ms < 1 ? 1 : static_cast<std::int32_t>(ms);
}

}  // namespace

CStopWatch::CStopWatch() : CStopWatch(&CStopWatch::SteadyMilliseconds) {}

CStopWatch::CStopWatch(Counter counter)
    : counter_(std::move(counter)),
      minimumResolution_(CounterResolutionMs()),
      // The longest span a signed difference of the 32-bit counter can express.
      maximumResolution_(std::numeric_limits<std::int32_t>::max()) {
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
