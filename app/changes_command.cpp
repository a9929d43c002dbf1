#include "app/changes_command.h"

#include <algorithm>
#include <vector>

#include "app/print_line.h"
#include "model/offset_changes.h"
#include "model/plan_time.h"
#include "model/zone_model.h"
#include "ui/main/change_texts.h"

namespace horavia {

namespace {

constexpr int kDefaultChangeDays = 14;

}  // namespace

int RunChangesCommand(AppState& state, int withinDays, QTextStream& out) {
    const int stored = state.preferences.Values().ChangeDays;
    const int days = withinDays > 0 ? withinDays : stored > 0 ? stored : kDefaultChangeDays;
    const Instant now = state.services.clock.NowUtc();
    std::vector<UpcomingChange> changes =
        UpcomingChanges(state.Clocks(), state.catalogue, now, days);
    // Changes at the same instant in the order the window shows the clocks.
    const std::vector<int> rows = state.EnabledClocksInOrder();
    const auto rowOf = [&rows](std::size_t clock) {
        return std::find(rows.begin(), rows.end(), static_cast<int>(clock)) - rows.begin();
    };
    std::stable_sort(changes.begin(), changes.end(),
                     [&rowOf](const UpcomingChange& a, const UpcomingChange& b) {
                         if (a.change.at != b.change.at) return a.change.at < b.change.at;
                         return rowOf(a.clock) < rowOf(b.clock);
                     });
    for (const UpcomingChange& upcoming : changes) {
        const OffsetChange& change = upcoming.change;
        out << OneLine(QString::fromStdString(state.Clocks()[upcoming.clock].Label)) << '\t'
            << QString::fromStdString(IsoUtcText(InstantFromUnixMs(change.at * 1000))) << '\t'
            << QString::fromStdString(IsoOffsetText(change.before)) << '\t'
            << QString::fromStdString(IsoOffsetText(change.after)) << '\t'
            << OneLine(ChangeSentence(change, now)) << '\n';
    }
    out.flush();
    return changes.empty() ? 1 : 0;
}

}  // namespace horavia
