// A time zone as a timeline of instants: what holds at any instant (offset, daylight flag,
// abbreviation), when that changes next, and where a wall-clock reading lies on the time line
// (once, never, or twice), in the shape of cctz's civil-time lookup. Instants are seconds
// since 1970-01-01 00:00 UTC; a wall-clock reading is counted the same way, as if it were UTC.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace horavia {

// What holds in a zone from one change to the next.
struct ZoneState {
    std::int32_t offset = 0;  // seconds east of Greenwich
    bool isDst = false;
    std::string abbreviation = {};  // as the zone data names it ("CET", "+0530"); may be empty
    friend bool operator==(const ZoneState&, const ZoneState&) = default;
};

// One change of the zone's offset (changes of only a name or the daylight flag are left out).
struct OffsetChange {
    std::int64_t at = 0;  // the new offset holds from this instant on
    std::int32_t before = 0;
    std::int32_t after = 0;
    friend bool operator==(const OffsetChange&, const OffsetChange&) = default;
};

// Where a wall-clock reading lies. Unique: pre == post, the one instant. Repeated (the clock
// went back): pre is the first pass, post the second. Skipped (the clock went forward over
// it): no instant shows it; pre is the reading taken with the offset before the change (an
// instant after the change), post with the offset after it (an instant before the change).
// `change` is the instant of the change that makes a reading skipped or repeated.
struct CivilLookup {
    enum class Kind { Unique, Skipped, Repeated };
    Kind kind = Kind::Unique;
    std::int64_t pre = 0;
    std::int64_t post = 0;
    std::int64_t change = 0;
};

class ZoneRules {
  public:
    virtual ~ZoneRules() = default;

    virtual ZoneState StateAt(std::int64_t utcSeconds) const = 0;
    // The first change of offset at an instant after `after`; nothing when none follows within
    // the years the rules describe.
    virtual std::optional<OffsetChange> NextChange(std::int64_t after) const = 0;

    std::int32_t OffsetAt(std::int64_t utcSeconds) const { return StateAt(utcSeconds).offset; }
    // The changes at instants from `from` (included) to `to` (excluded), in order.
    std::vector<OffsetChange> ChangesBetween(std::int64_t from, std::int64_t to) const;
    // Where the wall-clock reading lies. Offsets stay under a day, so every instant that shows
    // the reading lies within a day of it.
    CivilLookup LookUp(std::int64_t wallSeconds) const;
};

// A zone that keeps one offset for ever.
class FixedOffsetZone : public ZoneRules {
  public:
    explicit FixedOffsetZone(std::int32_t offset, bool isDst = false, std::string abbreviation = {})
        : state_{offset, isDst, std::move(abbreviation)} {}
    ZoneState StateAt(std::int64_t) const override { return state_; }
    std::optional<OffsetChange> NextChange(std::int64_t) const override { return std::nullopt; }

  private:
    ZoneState state_;
};

}  // namespace horavia
