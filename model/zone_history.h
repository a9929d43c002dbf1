// A zone's clock changes year by year, as the system's zone database holds them. The
// catalogue's yearly record ("TZI") describes one year with one daylight period; the database
// knows every year, including years with a changed standard offset or with two daylight
// periods (Morocco around Ramadan, the West Bank), so zone time follows it where it is known.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "model/day_count.h"

namespace horavia {

struct ZoneChange {
    DayCount at = 0;             // the instant of the change, as a UTC day count
    std::int32_t biasAfter = 0;  // minutes, UTC = zone time + bias, from that instant on
};

// The changes of one calendar year, counted in UTC: the bias in force as the year begins
// and every change from its first instant to its last, in order.
struct YearChanges {
    std::int32_t biasAtStart = 0;
    std::vector<ZoneChange> changes;
};

class ZoneHistory {
  public:
    virtual ~ZoneHistory() = default;
    // Any year the program can reach (at least 1..9999); the result stays valid as long as
    // the caller holds it.
    virtual std::shared_ptr<const YearChanges> ChangesOfYear(int year) const = 0;
};

}  // namespace horavia
