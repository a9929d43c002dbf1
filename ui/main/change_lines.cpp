#include "ui/main/change_lines.h"

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <limits>
#include <optional>

#include "model/offset_changes.h"
#include "ui/main/change_texts.h"

namespace horavia {

QString JoinedChangeText(const QString& first, const QString& second) {
    //: A text followed by more about it: a change's sentence and what it does to the
    //: difference from this computer, or a clock row and its next change.
    return QCoreApplication::translate("horavia::ChangeLines", "%1; %2").arg(first, second);
}

QString ChangeLineText(const OffsetChange& change, Instant now, const ZoneRules* computerZone) {
    const QString sentence = ChangeSentence(change, now);
    const QString difference = ChangeDifferenceText(change, computerZone);
    return difference.isEmpty() ? sentence : JoinedChangeText(sentence, difference);
}

QString ComputerChangeLineText(const OffsetChange& change, Instant now) {
    //: The clock window's top line: this computer's own next change of offset, %1 its sentence
    //: ("Clocks go back 1 h on Sun 26 Oct at 03:00 (in 3 days)").
    return QCoreApplication::translate("horavia::ChangeLines", "This computer: %1")
        .arg(ChangeSentence(change, now));
}

const ChangeLines& ChangeLineCache::At(const AppState& state, Instant shown, int days) {
    const std::int64_t ms = shown.time_since_epoch().count();
    const std::int64_t minute = ms >= 0 ? ms / 60000 : (ms - 59999) / 60000;
    const std::int64_t seconds = ms >= 0 ? ms / 1000 : (ms - 999) / 1000;
    std::vector<std::pair<std::int32_t, bool>> zones;
    zones.reserve(state.Clocks().size());
    for (const ClockEntry& clock : state.Clocks()) zones.emplace_back(clock.Zone, clock.Enabled);
    const ZoneRules* computer = state.computerZone.get();
    if (valid_ && minute == minute_ && days == days_ && computer == computer_ && zones == zones_ &&
        seconds < nextPassesAt_) {
        return lines_;
    }
    valid_ = true;
    minute_ = minute;
    days_ = days;
    computer_ = computer;
    computerKept_ = state.computerZone;
    zones_ = std::move(zones);
    nextPassesAt_ = std::numeric_limits<std::int64_t>::max();
    lines_ = ChangeLines{};
    lines_.clocks.resize(state.Clocks().size());
    if (days <= 0) return lines_;
    ++searches_;
    for (const UpcomingChange& upcoming :
         UpcomingChanges(state.Clocks(), state.catalogue, shown, days)) {
        if (upcoming.clock >= lines_.clocks.size()) continue;
        lines_.clocks[upcoming.clock] = ChangeLineText(upcoming.change, shown, computer);
        nextPassesAt_ = std::min(nextPassesAt_, upcoming.change.at);
    }
    if (computer != nullptr) {
        if (const std::optional<OffsetChange> own = NextChangeWithin(*computer, shown, days)) {
            lines_.computer = ComputerChangeLineText(*own, shown);
            nextPassesAt_ = std::min(nextPassesAt_, own->at);
        }
    }
    return lines_;
}

}  // namespace horavia
