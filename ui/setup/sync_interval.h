// The synchronisation interval as typed in the setup dialog's "Every" field.
#pragma once

#include <cstdint>
#include <string>

namespace horavia {

// The number the text starts with: leading blanks skipped, an optional sign, digits with an
// optional fraction and exponent, read with a point whatever the locale. 0 when the text does
// not start with a number; an exponent too large gives an infinite value.
double LeadingNumber(const std::string& text);

// STIntNum from the field: the leading number limited to 1..255, rounded half to even, and at
// least 30 when the unit (0 seconds .. 4 weeks) is seconds.
std::int32_t IntervalFromText(const std::string& text, std::int32_t unit);

}  // namespace horavia
