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
    // The calendar's range (years -9999..19999) keeps the count well within an int.
    const int days = static_cast<int>(DayOf(*day) - DayOf(*today));
    //: How many of the zone's calendar days until its clocks change.
    if (days > 1) return QCoreApplication::translate("ChangeTexts", "(in %n days)", nullptr, days);
    //: The zone's clocks change on its next calendar day.
    if (days == 1) return QCoreApplication::translate("ChangeTexts", "(tomorrow)");
    // Rounded up, so that a change still ahead never reads as "0 min" away.
    const long long ms = std::max<long long>(0, UnixMsOf(at) - UnixMsOf(now));
    const std::chrono::minutes left((ms + 59'999) / 60'000);
    //: %1 how long until the zone's clocks change later today ("5 h 15 min", "40 min").
    return QCoreApplication::translate("ChangeTexts", "(in %1)").arg(PlanDurationText(left));
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
    if (change.after > change.before) {
        //: %1 an amount ("1 h", "30 min"), %2 a short date ("Sun 29 Mar"), %3 a time ("02:00")
        //: on the zone's clock before the change, %4 how far away it is ("(in 3 days)",
        //: "(tomorrow)", "(in 5 h)"). The zone's offset goes up.
        return QCoreApplication::translate("ChangeTexts", "Clocks go forward %1 on %2 at %3 %4")
            .arg(amount, day, time, distance);
    }
    //: %1 an amount ("1 h", "30 min"), %2 a short date ("Sun 26 Oct"), %3 a time ("03:00") on
    //: the zone's clock before the change, %4 how far away it is ("(in 3 days)", "(tomorrow)",
    //: "(in 5 h)"). The zone's offset goes down.
    return QCoreApplication::translate("ChangeTexts", "Clocks go back %1 on %2 at %3 %4")
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
    const auto text = [](const char* source) {
        return QCoreApplication::translate("ChangeTexts", source);
    };
    // The zone's clock is ahead of the computer's when the difference is positive.
    if (after == 0) {
        //: What a change of the zone's clock does to its difference from the computer's
        //: clock: %1 a duration ("1 h").
        if (before > 0)
            return text(QT_TRANSLATE_NOOP("ChangeTexts",
                                          "then the same time as you instead of %1 ahead"))
                .arg(was);
        //: What a change of the zone's clock does to its difference from the computer's
        //: clock: %1 a duration ("1 h").
        return text(QT_TRANSLATE_NOOP("ChangeTexts",
                                      "then the same time as you instead of %1 behind"))
            .arg(was);
    }
    if (before == 0) {
        //: %1 a duration ("1 h"): how far the zone's clock will be ahead of the computer's,
        //: whose time it shows now.
        if (after > 0)
            return text(QT_TRANSLATE_NOOP("ChangeTexts",
                                          "then %1 ahead of you instead of the same time"))
                .arg(now);
        //: %1 a duration ("1 h"): how far the zone's clock will be behind the computer's,
        //: whose time it shows now.
        return text(QT_TRANSLATE_NOOP("ChangeTexts", "then %1 behind you instead of the same time"))
            .arg(now);
    }
    if (after > 0 && before > 0) {
        //: %1 and %2 durations ("5 h", "6 h"): the zone's clock will be %1 ahead of the
        //: computer's instead of %2 ahead.
        return text(QT_TRANSLATE_NOOP("ChangeTexts", "then %1 ahead of you instead of %2"))
            .arg(now, was);
    }
    if (after < 0 && before < 0) {
        //: %1 and %2 durations ("5 h", "6 h"): the zone's clock will be %1 behind the
        //: computer's instead of %2 behind.
        return text(QT_TRANSLATE_NOOP("ChangeTexts", "then %1 behind you instead of %2"))
            .arg(now, was);
    }
    //: %1 and %2 durations ("30 min"): the zone's clock will be %1 ahead of the computer's
    //: instead of %2 behind it.
    if (after > 0)
        return text(QT_TRANSLATE_NOOP("ChangeTexts", "then %1 ahead of you instead of %2 behind"))
            .arg(now, was);
    //: %1 and %2 durations ("30 min"): the zone's clock will be %1 behind the computer's
    //: instead of %2 ahead of it.
    return text(QT_TRANSLATE_NOOP("ChangeTexts", "then %1 behind you instead of %2 ahead"))
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
