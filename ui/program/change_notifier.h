// Tells the user a day ahead when a clock's offset changes: once per change and clock while
// the program runs, several clocks changing together in one message. It runs on the program's
// own clock (each tick's now), so a change less than a day away at start-up is told at once.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <limits>
#include <set>
#include <utility>

#include "model/zone_model.h"

namespace horavia {

class ChangeNotifier {
  public:
    // Shows a message (title, text); false when it could not (no notification area yet): the
    // change is then told at a later check.
    using Show = std::function<bool(const QString& title, const QString& text)>;

    // Tells what is a day away or less and not yet told. The clocks are searched once a
    // minute; `again` makes the next check search whatever the minute (a choice changed).
    void check(const AppState& state, Instant now, const Show& show);
    void again() { minute_ = std::numeric_limits<std::int64_t>::min(); }

  private:
    std::set<std::pair<std::int64_t, std::int32_t>> told_;  // the change's instant, the zone
    std::int64_t minute_ = std::numeric_limits<std::int64_t>::min();
};

}  // namespace horavia
