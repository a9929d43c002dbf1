// A zone's timeline read from the bytes of its compiled zone file: the file's table up to its
// last transition, then the rule string of its footer. (Qt 6.4's QTimeZone reports a transition
// that changes nothing where a file's 32-bit table ends, 2038-01-19 03:14:07 UTC, and misses the
// real changes of that year, so the footer is read here directly.)
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "tz/posix_tz_rule.h"
#include "tz/tzif_data.h"
#include "tz/zone_rules.h"

namespace horavia {

class ZoneTimeline : public ZoneRules {
  public:
    // Nothing when the data is malformed or its footer is not a rule string.
    static std::optional<ZoneTimeline> FromTzif(std::string_view bytes);
    // A zone given by a rule string alone ("CET-1CEST,M3.5.0,M10.5.0/3"), as TZ may name one.
    static std::optional<ZoneTimeline> FromRule(std::string_view ruleText);

    ZoneState StateAt(std::int64_t utcSeconds) const override;
    std::optional<OffsetChange> NextChange(std::int64_t after) const override;

  private:
    // Whether the footer's rule governs the instant (after the table's last transition).
    bool RuleGoverns(std::int64_t utcSeconds) const;

    TzifData data_;
    std::optional<PosixTzRule> rule_;
};

}  // namespace horavia
