// What the clocks' next offset changes read as, for the clock window's lines, the tray menu and
// the notification: one line per clock that changes within the chosen days, and one for this
// computer. Finding a zone's next change costs a search of its rules, so the lines are kept
// and found again only when the shown minute, the days, the clocks or the computer's zone
// differ from last time, or when a kept change has come to pass.
#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "model/zone_model.h"
#include "tz/zone_rules.h"

namespace horavia {

// The sentence of a change, then what it does to the difference from this computer's clock
// where it does something to it.
QString ChangeLineText(const OffsetChange& change, Instant now, const ZoneRules* computerZone);
// The line for this computer's own next change.
QString ComputerChangeLineText(const OffsetChange& change, Instant now);
// A text, then what is said about it ("Tokyo, 23:30" and a change line): "%1; %2".
QString JoinedChangeText(const QString& first, const QString& second);

struct ChangeLines {
    std::vector<QString> clocks;  // by clock index; empty where none comes within the days
    QString computer;             // empty where the computer's zone keeps its offset
};

class ChangeLineCache {
  public:
    // The lines as at `shown`, for changes up to `days` days after it (none when days <= 0).
    const ChangeLines& At(const AppState& state, Instant shown, int days);
    // How many times the changes were searched (for measuring).
    std::uint64_t searches() const { return searches_; }

  private:
    ChangeLines lines_;
    bool valid_ = false;
    std::int64_t minute_ = 0;
    int days_ = 0;
    const ZoneRules* computer_ = nullptr;
    std::shared_ptr<const ZoneRules> computerKept_;     // keeps the address above meaningful
    std::vector<std::pair<std::int32_t, bool>> zones_;  // each clock's zone and whether shown
    std::int64_t nextPassesAt_ = 0;                     // the soonest kept change, UTC seconds
    std::uint64_t searches_ = 0;
};

}  // namespace horavia
