// The public time services' rule: never ask one server more often than once every 4 seconds.
// Remembers when each server was last asked, on a steady millisecond clock the caller reads.
#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace horavia {

inline constexpr std::int64_t kMinimumQueryIntervalMs = 4000;

class QueryPacer {
  public:
    explicit QueryPacer(std::int64_t intervalMs = kMinimumQueryIntervalMs)
        : intervalMs_(intervalMs) {}

    // Milliseconds to wait at `nowMs` before `server` may be asked again; 0 when it may now.
    std::int64_t WaitMs(const std::string& server, std::int64_t nowMs) const;
    // Records that `server` is asked at `nowMs`.
    void Note(const std::string& server, std::int64_t nowMs);

  private:
    std::int64_t intervalMs_;
    std::map<std::string, std::int64_t> lastAsked_;  // only servers asked within the interval
};

}  // namespace horavia
