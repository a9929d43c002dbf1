// The user's locale as the format engine needs it.
#pragma once

#include <QLocale>
#include <QString>

#include "model/locale_info.h"

namespace horavia {

LocaleInfo LocaleFromQt(const QLocale& locale = QLocale::system());

// How a Qt pattern writes the locale's AM/PM marker.
enum class AmPmCase { Upper, Lower, AsIs };

// A Qt date/time pattern ("M/d/yy h:mm AP") in the program's pattern language ("m/d/yy h:nn
// AMPM"). Its literal text stays literal (":" and "/" too). Parts the program does not write
// are left out with the brackets, blanks or comma that joined them: the zone name, the
// milliseconds and letters Qt does not know itself (CLDR's day periods "B" and "b").
std::string PatternFromQt(const QString& qtPattern, AmPmCase* amPmCase = nullptr);

}  // namespace horavia
