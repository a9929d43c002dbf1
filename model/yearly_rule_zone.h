// A zone as the Windows registry describes it: a standard bias, a daylight bias and the yearly
// rules of the two changes ("TZI"), with records of their own for some years where the zone has
// them ("Dynamic DST"), turned into a timeline of instants like any other zone's.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "tz/zone_rules.h"

namespace horavia {

// A yearly transition rule as a registry transition record holds it.
struct TransitionRule {
    int month = 0;      // 1..12; 0 = no rule
    int dayOfWeek = 0;  // 0 = Sunday .. 6 = Saturday
    int week = 0;       // 1..4, or 5 for the last
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// One year's record.
struct ZoneYearRecord {
    std::int32_t bias = 0;     // minutes, UTC = zone time + bias, in standard time
    std::int32_t dltBias = 0;  // the same in daylight time; equal to bias without daylight time
    TransitionRule stdRule;    // change back to standard time, in the zone's daylight reading
    TransitionRule dltRule;    // change to daylight time, in the zone's standard reading
};

// The local clock reading of a rule's change in a year, as seconds counted like UTC seconds
// since 1970 (the registry's arithmetic: out-of-range values roll over as DayOfNthWeekday does).
std::int64_t TransitionReading(int year, const TransitionRule& rule);

class YearlyRuleZone : public ZoneRules {
  public:
    // `years`: the records of single years; a year before the first of them takes the first,
    // one after the last takes the last (as the system reads its "Dynamic DST" key), and
    // without any the one record serves every year. The names are the abbreviations told.
    explicit YearlyRuleZone(ZoneYearRecord record, std::map<int, ZoneYearRecord> years = {},
                            std::string standardName = {}, std::string daylightName = {});

    ZoneState StateAt(std::int64_t utcSeconds) const override;
    std::optional<OffsetChange> NextChange(std::int64_t after) const override;

    // The record the zone keeps for a year.
    const ZoneYearRecord& RecordOf(int year) const;

  private:
    // `year` and `r`: the year whose record governs the instant (YearOf) and its record.
    bool IsDaylight(std::int64_t utcSeconds, int year, const ZoneYearRecord& r) const;
    // The year whose record governs an instant: the calendar year of the zone's standard
    // reading of it.
    int YearOf(std::int64_t utcSeconds) const;

    ZoneYearRecord record_;
    std::map<int, ZoneYearRecord> years_;
    std::string standardName_;
    std::string daylightName_;
};

}  // namespace horavia
