// The user's locale from the Windows national-language settings, as the format engine needs it.
#pragma once

#include <string>

#include "model/locale_info.h"

namespace horavia {

// The user's default locale; fields the system cannot give keep the English (United States)
// values.
LocaleInfo LocaleFromWindows();

// A Windows date or time picture ("M/d/yyyy", "h:mm:ss tt", "dddd, MMMM d, yyyy") in the
// program's pattern language ("m\/d\/yyyy", "h\:nn\:ss AMPM", "dddd, mmmm d, yyyy"), so that
// it writes what the system writes.
std::string PatternFromWindows(const std::string& picture);

}  // namespace horavia
