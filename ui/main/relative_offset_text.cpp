#include "ui/main/relative_offset_text.h"

#include <QCoreApplication>

namespace horavia {

namespace {

// The difference alone: "+9 h", "−3 h 30", "±0".
QString HoursAndMinutes(std::int32_t minutes) {
    if (minutes == 0) {
        //: The marker after a clock's time when its zone's time is the computer's.
        return QCoreApplication::translate("RelativeOffset",
                                           "\u00b1"
                                           "0");
    }
    const std::int32_t size = minutes < 0 ? -minutes : minutes;
    const int hours = size / 60;
    // Each sign has its own text, so that a translation places it; a true minus sign, as wide
    // as the plus.
    QString text;
    if (minutes < 0) {
        //: A clock's zone is %n whole hours behind the computer's ("−3 h", with a true minus
        //: sign). Keep it short.
        text = QCoreApplication::translate("RelativeOffset", "\u2212%n h", nullptr, hours);
    } else {
        //: A clock's zone is %n whole hours ahead of the computer's ("+9 h"). Keep it short.
        text = QCoreApplication::translate("RelativeOffset", "+%n h", nullptr, hours);
    }
    if (const int minutesOver = size % 60; minutesOver != 0) {
        //: The hours of the marker followed by the minutes beyond them: %1 is the signed hours
        //: ("−3 h"), %n the minutes (English "−3 h 30"). Keep it short.
        text =
            QCoreApplication::translate("RelativeOffset", "%1 %n", nullptr, minutesOver).arg(text);
    }
    return text;
}

}  // namespace

QString RelativeOffsetText(const RelativeOffset& offset) {
    const QString difference = HoursAndMinutes(offset.minutes);
    if (offset.dayShift > 0) {
        //: The marker when the clock's date is already the computer's tomorrow: %1 is the
        //: difference ("+9 h tomorrow").
        return QCoreApplication::translate("RelativeOffset", "%1 tomorrow").arg(difference);
    }
    if (offset.dayShift < 0) {
        //: The marker when the clock's date is still the computer's yesterday: %1 is the
        //: difference ("−3 h yesterday").
        return QCoreApplication::translate("RelativeOffset", "%1 yesterday").arg(difference);
    }
    return difference;
}

}  // namespace horavia
