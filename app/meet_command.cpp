#include "app/meet_command.h"

#include <QCoreApplication>
#include <QString>
#include <cstdio>
#include <vector>

#include "app/command_line.h"
#include "app/print_line.h"
#include "model/meeting_search.h"
#include "model/plan_time.h"
#include "model/zone_model.h"

namespace horavia {

namespace {

QString Translated(const char* text) {
    return QCoreApplication::translate("MeetCommand", text);
}

//: Written to standard error by --meet.
constexpr const char* kNoHours =
    QT_TRANSLATE_NOOP("MeetCommand", "no enabled clock has working hours");
//: Written to standard error by --meet when the time found suits not everybody: a clock's label
//: (%1), its time then (%2) and how long before its working hours that is (%3, as in "2 h").
constexpr const char* kBeforeWork =
    QT_TRANSLATE_NOOP("MeetCommand", "%1: %2, %3 before working hours");
//: As the line before, for a clock whose working hours are over; %3 is how long after.
constexpr const char* kAfterWork =
    QT_TRANSLATE_NOOP("MeetCommand", "%1: %2, %3 after working hours");
//: A length of time in hours (%1) and minutes (%2), as in "1 h 30 min".
constexpr const char* kHoursMinutes = QT_TRANSLATE_NOOP("MeetCommand", "%1 h %2 min");
//: A length of time in whole hours, as in "2 h".
constexpr const char* kHours = QT_TRANSLATE_NOOP("MeetCommand", "%1 h");
//: A length of time in minutes, as in "45 min".
constexpr const char* kMinutes = QT_TRANSLATE_NOOP("MeetCommand", "%1 min");

// "2 h", "45 min", "1 h 30 min".
QString DurationText(std::chrono::minutes by) {
    const auto hours = static_cast<int>(by.count() / 60);
    const auto minutes = static_cast<int>(by.count() % 60);
    if (hours > 0 && minutes > 0) return Translated(kHoursMinutes).arg(hours).arg(minutes);
    if (hours > 0) return Translated(kHours).arg(hours);
    return Translated(kMinutes).arg(minutes);
}

void WriteLine(const QString& line) {
    std::fprintf(stderr, "%s\n", OneLine(line).toLocal8Bit().constData());
}

}  // namespace

int RunMeetCommand(AppState& state, int withinDays, int lengthMinutes, QTextStream& out) {
    const Preferences& prefs = state.preferences.Values();
    const std::optional<WorkingHours> defaults = DefaultWorkingHours(prefs);
    std::vector<MeetingClock> clocks;
    std::vector<int> clockIndices;  // the clock list's index of each clock searched
    for (int index : state.EnabledClocksInOrder()) {
        const ClockEntry& clock = state.Clocks()[static_cast<std::size_t>(index)];
        const std::optional<WorkingHours> hours = ClockWorkingHours(clock, defaults);
        if (!hours) continue;
        const ZoneRules* rules =
            state.catalogue.IsRegistryZone(clock.Zone)
                ? state.catalogue.zones[static_cast<std::size_t>(clock.Zone)].rules.get()
                : nullptr;
        clocks.push_back({rules, *hours});
        clockIndices.push_back(index);
    }
    if (clocks.empty()) {
        WriteLine("horavia: " + Translated(kNoHours));
        return 1;
    }
    // The search starts on the first quarter hour at or after now.
    const Instant from = state.services.clock.NowUtc();
    const std::chrono::minutes length{lengthMinutes > 0 ? lengthMinutes : prefs.MeetLength};
    const std::chrono::days within =
        withinDays > 0 ? std::chrono::days{withinDays} : kMeetingHorizon;
    const std::optional<MeetingSlot> slot = FindMeetingSlot(clocks, from, length, within);
    if (!slot) {
        WriteLine("horavia: " + Translated(kNoHours));
        return 1;
    }
    PrintClocks(state, out, slot->start);
    out << QString::fromStdString(IsoUtcText(slot->start)) << '\n';
    out.flush();
    for (const MeetingShortfall& shortfall : slot->outside) {
        const int index = clockIndices.at(shortfall.clock);
        const ClockEntry& clock = state.Clocks()[static_cast<std::size_t>(index)];
        const QString time = QString::fromStdString(state.ZoneTimeText(index, false, slot->start));
        WriteLine(Translated(shortfall.beforeWork ? kBeforeWork : kAfterWork)
                      .arg(QString::fromStdString(clock.Label), time, DurationText(shortfall.by)));
    }
    return 0;
}

}  // namespace horavia
