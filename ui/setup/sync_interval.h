// The synchronisation interval as typed in the setup dialog's "Every" field.
#pragma once

#include <cstdint>
#include <string>

namespace horavia {

// STIntNum from the field: the leading number limited to 1..255, rounded half to even, and at
// least 30 when the unit (0 seconds .. 4 weeks) is seconds.
std::int32_t IntervalFromText(const std::string& text, std::int32_t unit);

}  // namespace horavia
