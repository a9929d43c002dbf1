#include "ui/main/change_texts.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTime>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "model/zone_time.h"
#include "tz/civil_days.h"
#include "ui/main/plan_texts.h"

namespace horavia {

namespace {

// An amount of offset as the planning texts write a duration ("1 h", "5 h 30 min"), to the
// nearest minute, as the clocks show offsets.
QString OffsetAmountText(std::int32_t seconds) {
    return PlanDurationText(std::chrono::minutes(std::abs(WholeMinuteOffset(seconds)) / 60));
}

std::int64_t DayOf(const CivilTime& civil) {
    return DaysSince1970(civil.year, civil.month, civil.day);
}

// "(tomorrow)", "(in 3 days)" by the zone's calendar, or how long until the change when it
// falls on the zone's present day ("(in 5 h)", "(in 40 min)").
QString DistanceText(const OffsetChange& change, Instant now, const ZoneRules& oldOffset) {
    const Instant at = InstantFromUnixMs(change.at * 1000);
    const std::optional<CivilTime> today = CivilTimeOn(&oldOffset, now);
    const std::optional<CivilTime> day = CivilTimeOn(&oldOffset, at);
    if (!today || !day) return {};
    const std::int64_t days = DayOf(*day) - DayOf(*today);
    if (days > 1) {
        //: How many of the zone's calendar days until its clocks change.
        return QCoreApplication::translate("ChangeTexts", "(in %n days)", nullptr,
                                           static_cast<int>(days));
    }
    //: The zone's clocks change on its next calendar day.
    if (days == 1) return QCoreApplication::translate("ChangeTexts", "(tomorrow)");
    // Rounded up, so that a change still ahead never reads as "0 min" away.
    const long long ms = std::max<long long>(0, UnixMsOf(at) - UnixMsOf(now));
    const std::chrono::minutes left((ms + 59'999) / 60'000);
    //: %1 how long until the zone's clocks change later today ("5 h 15 min", "40 min").
    return QCoreApplication::translate("ChangeTexts", "(in %1)").arg(PlanDurationText(left));
}

// A difference from the computer's clock is positive when the zone's clock is ahead of it.
bool IsAhead(std::int32_t difference) {
    return difference > 0;
}

}  // namespace

QString ChangeSentence(const OffsetChange& change, Instant now) {
    // The day and the time are the zone's clock just before the change, under its old offset.
    const FixedOffsetZone oldOffset(change.before);
    const Instant at = InstantFromUnixMs(change.at * 1000);
    const std::optional<CivilTime> wall = CivilTimeOn(&oldOffset, at);
    if (!wall) return {};
    const QString amount = OffsetAmountText(change.after - change.before);
    const QString day = PlanDateText(at, &oldOffset);
    //: The time of day the zone's clocks change at, as Qt's QTime::toString writes it
    //: ("03:00"). Use the way your language writes a time on a 24-hour clock.
    const QString time = QLocale().toString(QTime(wall->hour, wall->minute),
                                            QCoreApplication::translate("ChangeTexts", "HH:mm"));
    const QString distance = DistanceText(change, now, oldOffset);
    return change.after > change.before
               //: %1 an amount ("1 h", "30 min"), %2 a short date ("Sun 29 Mar"), %3 a time
               //: ("02:00") on the zone's clock before the change, %4 how far away it is
               //: ("(in 3 days)", "(tomorrow)", "(in 5 h)"). The zone's offset goes up.
               ? QCoreApplication::translate("ChangeTexts", "Clocks go forward %1 on %2 at %3 %4")
                     .arg(amount, day, time, distance)
               //: %1 an amount ("1 h", "30 min"), %2 a short date ("Sun 26 Oct"), %3 a time
               //: ("03:00") on the zone's clock before the change, %4 how far away it is
               //: ("(in 3 days)", "(tomorrow)", "(in 5 h)"). The zone's offset goes down.
               : QCoreApplication::translate("ChangeTexts", "Clocks go back %1 on %2 at %3 %4")
                     .arg(amount, day, time, distance);
}

QString ChangeDifferenceText(const OffsetChange& change, const ZoneRules* computerZone) {
    // Differences as the clocks show them: offsets in whole minutes.
    const auto computerAt = [computerZone](std::int64_t seconds) {
        return ShownOffsetOn(computerZone, InstantFromUnixMs(seconds * 1000));
    };
    const std::int32_t before = WholeMinuteOffset(change.before) - computerAt(change.at - 1);
    const std::int32_t after = WholeMinuteOffset(change.after) - computerAt(change.at);
    if (before == after) return {};
    const QString now = OffsetAmountText(after);
    const QString was = OffsetAmountText(before);
    if (after == 0) {
        return IsAhead(before)
                   //: What a change of the zone's clock does to its difference from the
                   //: computer's clock. %1 a duration ("1 h").
                   ? QCoreApplication::translate("ChangeTexts",
                                                 "then the same time as you instead of %1 ahead")
                         .arg(was)
                   : QCoreApplication::translate("ChangeTexts",
                                                 "then the same time as you instead of %1 behind")
                         .arg(was);
    }
    if (before == 0) {
        return IsAhead(after)
                   //: %1 a duration ("1 h"): the zone's clock will be that far ahead of the
                   //: computer's, which it now shows the same time as.
                   ? QCoreApplication::translate("ChangeTexts",
                                                 "then %1 ahead of you instead of the same time")
                         .arg(now)
                   : QCoreApplication::translate("ChangeTexts",
                                                 "then %1 behind you instead of the same time")
                         .arg(now);
    }
    if (IsAhead(after) == IsAhead(before)) {
        return IsAhead(after)
                   //: %1 and %2 durations ("5 h", "6 h"): the zone's clock will be %1 ahead of
                   //: the computer's instead of %2 ahead.
                   ? QCoreApplication::translate("ChangeTexts",
                                                 "then %1 ahead of you instead of %2")
                         .arg(now, was)
                   //: %1 and %2 durations ("5 h", "6 h"): the zone's clock will be %1 behind
                   //: the computer's instead of %2 behind.
                   : QCoreApplication::translate("ChangeTexts", "then %1 behind you instead of %2")
                         .arg(now, was);
    }
    return IsAhead(after)
               //: %1 and %2 durations: the zone's clock will be %1 ahead of the computer's
               //: instead of %2 behind it.
               ? QCoreApplication::translate("ChangeTexts",
                                             "then %1 ahead of you instead of %2 behind")
                     .arg(now, was)
               //: %1 and %2 durations: the zone's clock will be %1 behind the computer's
               //: instead of %2 ahead of it.
               : QCoreApplication::translate("ChangeTexts",
                                             "then %1 behind you instead of %2 ahead")
                     .arg(now, was);
}

std::string IsoOffsetText(std::int32_t offsetSeconds) {
    const std::int32_t minutes = WholeMinuteOffset(offsetSeconds) / 60;
    const int whole = std::abs(minutes);
    char text[16];
    std::snprintf(text, sizeof text, "%c%02d:%02d", minutes < 0 ? '-' : '+', whole / 60,
                  whole % 60);
    return text;
}

}  // namespace horavia
