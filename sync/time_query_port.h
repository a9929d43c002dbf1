// The one question the synchronisation asks the network: what time does this server say it is?
#pragma once

#include <cstdint>
#include <string>

#include "model/day_count.h"

namespace horavia {

class TimeQueryPort {
  public:
    virtual ~TimeQueryPort() = default;
    // True when the server answered: dAtomDate is then its UTC time. lRespons is the response
    // time in ms, meaningful only on success.
    virtual bool GetAtomTime(const std::string& sServer, DayCount& dAtomDate,
                             std::int32_t& lRespons) = 0;
};

}  // namespace horavia
