// The next time that suits everybody: a slot in which every clock with working hours is at
// work, or, when there is none, the fairest one.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/instant.h"
#include "model/working_hours.h"

namespace horavia {

struct MeetingClock {
    const ZoneRules* rules = nullptr;  // nullptr: UTC
    WorkingHours hours;
};

// How far a slot lies outside one clock's working hours: the least it would have to move to
// fit into one of its working stretches.
struct MeetingShortfall {
    std::size_t clock = 0;  // index into the clocks searched
    std::chrono::minutes by{0};
    bool beforeWork = false;  // true: it starts before working hours; false: it ends after them
};

struct MeetingSlot {
    Instant start;
    bool everyone = true;                   // every clock works through the whole slot
    std::vector<MeetingShortfall> outside;  // the clocks that do not, in clock order
};

inline constexpr std::chrono::minutes kMeetingGrid{15};
inline constexpr std::chrono::minutes kDefaultMeetingLength{30};
inline constexpr std::chrono::days kMeetingHorizon{14};

// The first slot of `length` that starts on a quarter hour (UTC) at or after `from` and before
// `from + within` in which every clock works. When there is none, the fairest: the one whose
// largest shortfall is least (the earliest of equals). Empty without clocks.
std::optional<MeetingSlot> FindMeetingSlot(const std::vector<MeetingClock>& clocks, Instant from,
                                           std::chrono::minutes length = kDefaultMeetingLength,
                                           std::chrono::minutes within = kMeetingHorizon);

// The shortfall of one clock for the slot [start, start + length) among its working
// stretches (in order, disjoint); zero minutes when it fits.
MeetingShortfall ShortfallAmong(const std::vector<WorkPeriod>& periods, Instant start,
                                std::chrono::minutes length);

}  // namespace horavia
