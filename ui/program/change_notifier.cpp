#include "ui/program/change_notifier.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <map>
#include <tuple>
#include <vector>

#include "model/offset_changes.h"
#include "platform/qt_utf8.h"
#include "ui/main/change_texts.h"

namespace horavia {

namespace {

// The changes are told this far ahead.
constexpr int kNoticeDays = 1;

}  // namespace

void ChangeNotifier::check(const AppState& state, Instant now, const Show& show) {
    const std::int64_t ms = now.time_since_epoch().count();
    const std::int64_t minute = ms >= 0 ? ms / 60000 : (ms - 59999) / 60000;
    if (minute == minute_) return;
    minute_ = minute;
    // Clocks that change at the same instant by the same amount read the same sentence.
    using Key = std::tuple<std::int64_t, std::int32_t, std::int32_t>;
    std::map<Key, std::vector<std::size_t>> together;
    for (const UpcomingChange& upcoming :
         UpcomingChanges(state.Clocks(), state.catalogue, now, kNoticeDays)) {
        const std::int32_t zone = state.Clocks()[upcoming.clock].Zone;
        if (told_.count({upcoming.change.at, zone}) != 0) continue;
        together[{upcoming.change.at, upcoming.change.before, upcoming.change.after}].push_back(
            upcoming.clock);
    }
    for (const auto& [key, clocks] : together) {
        const auto& [at, before, after] = key;
        QStringList names;
        for (const std::size_t clock : clocks) {
            const QString name = Utf8(state.Clocks()[clock].Label);
            if (!names.contains(name)) names << name;
        }
        //: A notification a day before clocks change: %1 the clocks' labels ("London, Dublin
        //: and Lisbon"), %2 the change ("Clocks go back 1 h on Sun 26 Oct at 02:00 (tomorrow)").
        const QString text = QCoreApplication::translate("horavia::ChangeNotifier", "%1: %2")
                                 .arg(QLocale().createSeparatedList(names),
                                      ChangeSentence(OffsetChange{at, before, after}, now));
        if (!show(QString::fromUtf8(kAppTitle), text)) continue;
        for (const std::size_t clock : clocks) told_.insert({at, state.Clocks()[clock].Zone});
    }
}

}  // namespace horavia
