// The reasons the time queries give in English (why their part did not load, why an NTS key
// exchange failed), in the user's language. They are made where no translation is at hand
// (the part's own checks, the NTS records' reader), so they are worded here, when shown.
#pragma once

#include <QString>
#include <string>

namespace horavia {

// The reason in the user's language; one not known here (the system's or the TLS library's
// own text) stays as it is.
QString ReasonText(const std::string& reason);

}  // namespace horavia
