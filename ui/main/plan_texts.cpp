#include "ui/main/plan_texts.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QStringList>
#include <cstdlib>

#include "model/zone_time.h"

namespace horavia {

QString PlanDurationText(std::chrono::minutes amount) {
    const long long total = std::llabs(amount.count());
    const int days = static_cast<int>(total / (24 * 60));
    const int hours = static_cast<int>(total / 60 % 24);
    const int minutes = static_cast<int>(total % 60);
    QStringList parts;
    //: Days, abbreviated as in "2 d 3 h".
    if (days > 0) parts << QCoreApplication::translate("Planning", "%n d", nullptr, days);
    //: Hours, abbreviated as in "5 h 15 min".
    if (hours > 0) parts << QCoreApplication::translate("Planning", "%n h", nullptr, hours);
    //: Minutes, abbreviated as in "5 h 15 min".
    if (minutes > 0 || parts.isEmpty())
        parts << QCoreApplication::translate("Planning", "%n min", nullptr, minutes);
    return parts.join(QLatin1Char(' '));
}

QString PlanDistanceText(Instant planned, Instant now) {
    using std::chrono::minutes;
    const auto ms = (planned - now).count();
    // Rounded to the nearest minute, halves away from now.
    const long long whole = (std::llabs(ms) + 30'000) / 60'000;
    //: The planned instant is less than a minute away from the present.
    if (whole == 0) return QCoreApplication::translate("Planning", "now");
    const QString amount = PlanDurationText(minutes(whole));
    //: %1 a duration such as "5 h 15 min".
    return ms > 0 ? QCoreApplication::translate("Planning", "%1 from now").arg(amount)
                  : QCoreApplication::translate("Planning", "%1 ago").arg(amount);
}

QString PlanDateText(Instant planned, const ZoneRules* computerZone) {
    const std::optional<CivilTime> civil = CivilTimeOn(computerZone, planned);
    if (!civil) return {};
    const QDate date(civil->year, civil->month, civil->day);
    //: The planned date as Qt's QDate::toString writes it: short weekday, day, short month
    //: ("Tue 14 Oct"). Reorder the fields as your language writes a short date.
    return QLocale().toString(date, QCoreApplication::translate("Planning", "ddd d MMM"));
}

QString PlanningLineText(Instant planned, Instant now, const ZoneRules* computerZone) {
    //: The planning line: %1 the planned date, %2 how far it is from now ("5 h 15 min from now").
    return QCoreApplication::translate("Planning", "%1, %2 \u2014 Home: back to now")
        .arg(PlanDateText(planned, computerZone), PlanDistanceText(planned, now));
}

QString PlanningLineLabel() {
    //: The label of the line that shows the planned instant below the clocks.
    return QCoreApplication::translate("Planning", "Planning:");
}

QString WorkStateWord(WorkState state) {
    switch (state) {
        case WorkState::Working:
            //: A clock's people are within their working hours.
            return QCoreApplication::translate("Planning", "at work");
        case WorkState::Outside:
            //: A clock's people are outside their working hours, but it is not night there.
            return QCoreApplication::translate("Planning", "off work");
        case WorkState::Night:
            //: It is night (23:00 to 07:00) at the clock and people are not at work.
            return QCoreApplication::translate("Planning", "night");
    }
    return {};
}

QString WorkStateMark(WorkState state) {
    const char16_t glyph = state == WorkState::Working   ? u'\u25CF'   // black circle
                           : state == WorkState::Outside ? u'\u25CB'   // white circle
                                                         : u'\u263E';  // last quarter moon
    return QString(QChar(glyph)) + QLatin1Char(' ') + WorkStateWord(state);
}

QString ShortfallText(const QString& label, const QString& time,
                      const MeetingShortfall& shortfall) {
    const QString amount = PlanDurationText(shortfall.by);
    return shortfall.beforeWork
               //: %1 a clock's label, %2 its time then, %3 a duration ("2 h"): the meeting
               //: would start that long before the clock's working hours.
               ? QCoreApplication::translate("Planning", "%1: %2, %3 before working hours")
                     .arg(label, time, amount)
               //: %1 a clock's label, %2 its time then, %3 a duration ("1 h 30 min"): the
               //: meeting would end that long after the clock's working hours.
               : QCoreApplication::translate("Planning", "%1: %2, %3 after working hours")
                     .arg(label, time, amount);
}

QString EveryoneAtWorkText() {
    //: A meeting time was found within every clock's working hours.
    return QCoreApplication::translate("Planning", "Everyone is at work");
}

QString NoWorkingHoursText() {
    return QCoreApplication::translate(
        "Planning",
        "No clock has working hours: set them in a clock's editor, or turn on default working "
        "hours in Setup.");
}

QString UnreadablePlanText() {
    return QCoreApplication::translate("Planning",
                                       "Type a time, such as 15:00 or 3 pm, or a date and time.");
}

}  // namespace horavia
