// CStopWatch: a millisecond stopwatch for time-server response times.
#pragma once

#include <cstdint>
#include <functional>

namespace horavia {

class CStopWatch {
  public:
    // A millisecond counter that wraps at 2^32, like the system's millisecond count.
    using Counter = std::function<std::uint32_t()>;

    CStopWatch();  // reads the steady clock
    explicit CStopWatch(Counter counter);

    // Milliseconds since creation or the last Reset. The difference is taken modulo 2^32, so a
    // measurement that spans the counter's wrap still comes out right.
    std::int32_t Elapsed() const;
    void Reset();

    // The steady clock in whole milliseconds, truncated to 32 bits.
    static std::uint32_t SteadyMilliseconds();

  private:
    Counter counter_;
    std::uint32_t startCount_ = 0;
};

}  // namespace horavia
