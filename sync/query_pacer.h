// The public time services' rules: never ask one server more often than once every 4 seconds,
// wait longer when it asks to be queried less often (kiss-o'-death RATE), and never ask again
// one that refuses this client (DENY, RSTR). Remembers when each server was last asked and what
// it answered, on a steady millisecond clock the caller reads.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "sync/query_failure.h"

namespace horavia {

inline constexpr std::int64_t kMinimumQueryIntervalMs = 4000;
// A server that asks to be queried less often is left alone a minute, twice as long each
// further time it asks during the run, up to an hour.
inline constexpr std::int64_t kFirstBackOffMs = 60'000;
inline constexpr std::int64_t kLongestBackOffMs = 3'600'000;

// Why a server is not to be asked now: it refuses this client, or asked to be queried less
// often (waitMs: how long that lasts still).
struct StandingRefusal {
    QueryFailure failure = QueryFailure::RefusesClient;
    std::int64_t waitMs = 0;
};

class QueryPacer {
  public:
    explicit QueryPacer(std::int64_t intervalMs = kMinimumQueryIntervalMs)
        : intervalMs_(intervalMs) {}

    // Milliseconds to wait at `nowMs` before `server` may be asked again; 0 when it may now.
    std::int64_t WaitMs(const std::string& server, std::int64_t nowMs) const;
    // Records that `server` is asked at `nowMs`.
    void Note(const std::string& server, std::int64_t nowMs);

    // What keeps `server` from being asked at `nowMs`, if anything.
    std::optional<StandingRefusal> Refusal(const std::string& server, std::int64_t nowMs) const;
    // Records why `server` gave no time at `nowMs`. Returns the back-off when it asked to be
    // queried less often, else 0.
    std::int64_t NoteFailure(const std::string& server, QueryFailure failure, std::int64_t nowMs);

  private:
    struct BackOff {
        std::int64_t untilMs = 0;
        std::int64_t lengthMs = 0;
    };

    std::int64_t intervalMs_;
    std::map<std::string, std::int64_t> lastAsked_;  // only servers asked within the interval
    std::map<std::string, BackOff> backOffs_;        // kept for the run: each doubles the next
    std::set<std::string> refusing_;
};

}  // namespace horavia
