#include "ui/main/sun_marks.h"

#include <algorithm>
#include <utility>

#include "model/representative_place.h"
#include "platform/place_finder.h"

namespace horavia {

namespace {

std::int64_t MinuteOf(Instant t) {
    const std::int64_t ms = t.time_since_epoch().count();
    return ms >= 0 ? ms / 60'000 : (ms - 59'999) / 60'000;
}

}  // namespace

SunMarks::SunMarks(TableSource table) : table_(std::move(table)) {
    if (!table_) {
        table_ = []() -> const PlaceTable& { return CompiledPlaceTable(); };
        compiledTable_ = true;
    }
}

bool SunMarks::SameKeys(const std::vector<ClockKey>& a, const std::vector<ClockKey>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const ClockKey& x, const ClockKey& y) {
                          return x.index == y.index && x.zone == y.zone && x.own == y.own;
                      });
}

const std::vector<std::optional<SunState>>& SunMarks::StatesAt(const ClockList& list,
                                                               const std::vector<int>& clocks,
                                                               const ZoneCatalogue& catalogue,
                                                               Instant t) {
    std::vector<ClockKey> keys;
    keys.reserve(clocks.size());
    for (const int index : clocks) {
        const ClockEntry& clock = list[static_cast<std::size_t>(index)];
        keys.push_back({index, clock.Zone, clock.Place});
    }
    if (!SameKeys(keys, keys_) || places_.size() != keys.size()) {
        // A representative place is looked up in the whole table: once per change of clocks.
        places_.clear();
        for (const int index : clocks) {
            const ClockEntry& clock = list[static_cast<std::size_t>(index)];
            if (!catalogue.ShowsTimeOfDay(clock.Zone)) {
                places_.emplace_back();
            } else {
                places_.push_back(PlaceOfClock(clock, catalogue, &table_(),
                                               compiledTable_ ? CompiledPlaceNames() : nullptr));
            }
        }
        keys_ = std::move(keys);
        stateMinute_.reset();
    }
    // The state changes slowly: it is taken once for each minute shown.
    const std::int64_t minute = MinuteOf(t);
    if (stateMinute_ != minute) {
        states_.clear();
        for (const std::optional<ClockPlace>& place : places_) {
            states_.push_back(place
                                  ? std::optional(SunStateAt(t, place->latitude, place->longitude))
                                  : std::nullopt);
        }
        stateMinute_ = minute;
    }
    return states_;
}

const std::optional<ClockPlace>* SunMarks::PlaceOf(int index) const {
    for (std::size_t i = 0; i < keys_.size() && i < places_.size(); ++i) {
        if (keys_[i].index == index) return &places_[i];
    }
    return nullptr;
}

void SunMarks::Clear() {
    keys_.clear();
    places_.clear();
    states_.clear();
    stateMinute_.reset();
}

}  // namespace horavia
