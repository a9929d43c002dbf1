// The user's locale as the format engine needs it.
#pragma once

#include <QLocale>
#include <QString>

#include "model/locale_info.h"

namespace horavia {

LocaleInfo LocaleFromQt(const QLocale& locale = QLocale::system());

// A Qt date/time pattern ("M/d/yy h:mm AP") in the program's pattern language ("m/d/yy h:nn
// AM/PM").
std::string PatternFromQt(const QString& qtPattern);

}  // namespace horavia
