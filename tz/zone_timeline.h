// A zone's offset from UTC at any instant, read from the bytes of its compiled zone file: the
// file's table up to its last transition, then the rule string of its footer. (Qt 6.4's QTimeZone
// reports a transition that changes nothing where a file's 32-bit table ends, 2038-01-19 03:14:07
// UTC, and misses the real changes of that year, so the footer is read here directly.)
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "tz/posix_tz_rule.h"
#include "tz/tzif_data.h"

namespace horavia {

// One change of the zone's offset (transitions that change only a name or the daylight flag
// are left out).
struct OffsetChange {
    std::int64_t at = 0;  // seconds since 1970, UTC; the new offset holds from this instant
    std::int32_t before = 0;
    std::int32_t after = 0;
};

class ZoneTimeline {
  public:
    // Nothing when the data is malformed or its footer is not a rule string.
    static std::optional<ZoneTimeline> FromTzif(std::string_view bytes);

    // Seconds east of Greenwich at the instant.
    std::int32_t OffsetAt(std::int64_t utcSeconds) const;
    // The changes at instants from `from` (included) to `to` (excluded), in order.
    std::vector<OffsetChange> ChangesBetween(std::int64_t from, std::int64_t to) const;

  private:
    TzifData data_;
    std::optional<PosixTzRule> rule_;
};

}  // namespace horavia
