// Number patterns: 0 (digit always written), # (digit written when significant), "." (the
// locale's decimal separator), "," between digit placeholders (the locale's thousands
// grouping), "\x" and "quoted text" (literal), any other character as itself.
#pragma once

#include <string>

#include "model/locale_info.h"

namespace horavia {

// The value written with the pattern, rounded half away from zero to the shown decimals.
// Negative values that do not round to zero get a leading "-". A value that is not finite
// gives the empty text.
std::string FormatNumber(double value, const std::string& pattern, const LocaleInfo& locale);

// The value rounded half away from zero to `decimals` places (0..15), decided on its decimal
// digits rather than its binary approximation, so 1.005 rounds to 1.01 and 0.125 to 0.13.
double RoundHalfAwayFromZero(double value, int decimals);

}  // namespace horavia
