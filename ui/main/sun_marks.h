// The sun at each clock of the window: the place each clock stands for (its own, else its
// zone's representative place) and the sun's state there at the instant shown. Places are
// found again only when the clocks change, states only when the shown minute changes; the
// place table is read on the first use, so a window without the marks never reads it.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "model/clock_list.h"
#include "model/instant.h"
#include "model/place_table.h"
#include "model/sun_times.h"
#include "model/zone_catalogue.h"

namespace horavia {

class SunMarks {
  public:
    using TableSource = std::function<const PlaceTable&()>;
    // table: where the place table comes from (by default the one compiled in).
    explicit SunMarks(TableSource table = {});

    // The sun's state at each of `clocks` (indices into `list`) at t; none for a clock without
    // a place (pseudo-clocks, UTC).
    const std::vector<std::optional<SunState>>& StatesAt(const ClockList& list,
                                                         const std::vector<int>& clocks,
                                                         const ZoneCatalogue& catalogue, Instant t);
    // The place of clock `index` as of the last StatesAt.
    const std::optional<ClockPlace>* PlaceOf(int index) const;
    // Forgets everything (the marks were turned off).
    void Clear();

  private:
    // What a clock's place depends on.
    struct ClockKey {
        int index = -1;
        int zone = 0;
        std::optional<ClockPlace> own;
    };
    static bool SameKeys(const std::vector<ClockKey>& a, const std::vector<ClockKey>& b);

    TableSource table_;
    bool compiledTable_ = false;  // the compiled-in table: its names in the program's language too
    std::vector<ClockKey> keys_;
    std::vector<std::optional<ClockPlace>> places_;
    std::vector<std::optional<SunState>> states_;
    std::optional<std::int64_t> stateMinute_;
};

}  // namespace horavia
