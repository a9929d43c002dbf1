#include "ui/main/sun_texts.h"

#include <QCoreApplication>

namespace horavia {

QString SunStateWord(SunState state) {
    switch (state) {
        case SunState::Day:
            //: The sun is above the horizon at a clock's place.
            return QCoreApplication::translate("SunAtClock", "day");
        case SunState::CivilTwilight:
            //: The sun is up to 6 degrees below the horizon: still light outside.
            return QCoreApplication::translate("SunAtClock", "civil twilight");
        case SunState::NauticalTwilight:
            //: The sun is 6 to 12 degrees below the horizon: dusk or dawn.
            return QCoreApplication::translate("SunAtClock", "nautical twilight");
        case SunState::AstronomicalTwilight:
            //: The sun is 12 to 18 degrees below the horizon: almost dark.
            return QCoreApplication::translate("SunAtClock", "astronomical twilight");
        case SunState::Night:
            //: The sun is more than 18 degrees below the horizon at a clock's place.
            return QCoreApplication::translate("SunAtClock", "night");
    }
    return {};
}

QString SunStateMark(SunState state) {
    const char16_t glyph = state == SunState::Day     ? u'\u2600'   // black sun with rays
                           : state == SunState::Night ? u'\u263E'   // last quarter moon
                                                      : u'\u25D0';  // circle, left half black
    return QString(QChar(glyph)) + QLatin1Char(' ') + SunStateWord(state);
}

QString SunDayText(const QString& place, const SunDay& day,
                   const std::function<QString(Instant)>& timeText) {
    switch (day.kind) {
        case SunDay::Kind::UpAllDay:
            //: A clock's tooltip in polar summer: %1 is the clock's place.
            return QCoreApplication::translate("SunAtClock", "%1: sun up all day").arg(place);
        case SunDay::Kind::DownAllDay:
            //: A clock's tooltip in polar winter: %1 is the clock's place.
            return QCoreApplication::translate("SunAtClock", "%1: sun down all day").arg(place);
        case SunDay::Kind::RiseAndSet:
            break;
    }
    if (day.sunrise && day.sunset) {
        //: A clock's tooltip: %1 the clock's place, %2 and %3 the times of that day's
        //: sunrise and sunset on the clock.
        return QCoreApplication::translate("SunAtClock", "%1: sunrise %2, sunset %3")
            .arg(place, timeText(*day.sunrise), timeText(*day.sunset));
    }
    if (day.sunrise) {
        //: A clock's tooltip on a day the sun rises and stays up: %1 the place, %2 the time.
        return QCoreApplication::translate("SunAtClock", "%1: sunrise %2, no sunset today")
            .arg(place, timeText(*day.sunrise));
    }
    if (day.sunset) {
        //: A clock's tooltip on a day the sun sets and stays down: %1 the place, %2 the time.
        return QCoreApplication::translate("SunAtClock", "%1: no sunrise today, sunset %2")
            .arg(place, timeText(*day.sunset));
    }
    //: A clock's tooltip when neither sunrise nor sunset is known: %1 is the place.
    return QCoreApplication::translate("SunAtClock", "%1: no sunrise or sunset today").arg(place);
}

}  // namespace horavia
