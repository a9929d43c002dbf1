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
#include "ui/main/plan_texts.h"

namespace horavia {

namespace {

QString Translated(const char* text) {
    return QCoreApplication::translate("MeetCommand", text);
}

//: Written to standard error by --meet.
constexpr const char* kNoHours =
    QT_TRANSLATE_NOOP("MeetCommand", "no enabled clock has working hours");

void WriteLine(const QString& line) {
    std::fprintf(stderr, "%s\n", OneLine(line).toLocal8Bit().constData());
}

}  // namespace

int RunMeetCommand(AppState& state, int withinDays, int lengthMinutes, QTextStream& out) {
    const AppState::ClocksAtWork atWork = state.EnabledClocksAtWork();
    const std::vector<MeetingClock>& clocks = atWork.clocks;
    if (clocks.empty()) {
        WriteLine("horavia: " + Translated(kNoHours));
        return 1;
    }
    // The search starts on the first quarter hour at or after now.
    const Instant from = state.services.clock.NowUtc();
    const std::chrono::minutes length{lengthMinutes > 0 ? lengthMinutes
                                                        : state.preferences.Values().MeetLength};
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
        const int index = atWork.indices.at(shortfall.clock);
        const ClockEntry& clock = state.Clocks()[static_cast<std::size_t>(index)];
        const QString time = QString::fromStdString(state.ZoneTimeText(index, false, slot->start));
        WriteLine(ShortfallText(QString::fromStdString(clock.Label), time, shortfall));
    }
    return 0;
}

}  // namespace horavia
