#include "tz/zone_year.h"

#include <algorithm>
#include <vector>

namespace horavia {
namespace {

// A stretch of the year with one offset from UTC, in seconds.
struct Segment {
    std::int64_t start;
    std::int64_t end;
    std::int32_t offset;
};

// Consecutive segments [first, last] (indices modulo the segment count, so that a period
// across New Year is one run) that are on daylight time.
struct Run {
    std::size_t first;
    std::size_t last;
    std::int64_t length = 0;
};

constexpr std::int64_t kSecondsPerDay = 86400;

// The instant at which the zone's clock first reads 1 January of the year, 00:00.
std::int64_t LocalYearStart(const ZoneTimeline& zone, int year) {
    const std::int64_t reading = DaysSince1970(year, 1, 1) * kSecondsPerDay;
    const std::int64_t guess = reading - zone.OffsetAt(reading);
    return reading - zone.OffsetAt(guess);
}

std::vector<Segment> SegmentsOfYear(const ZoneTimeline& zone, int year) {
    const std::int64_t start = LocalYearStart(zone, year);
    const std::int64_t end = LocalYearStart(zone, year + 1);
    std::vector<Segment> segments{{start, end, zone.OffsetAt(start)}};
    for (const OffsetChange& change : zone.ChangesBetween(start + 1, end)) {
        segments.back().end = change.at;
        segments.push_back({change.at, end, change.after});
    }
    return segments;
}

std::vector<Run> DaylightRuns(const std::vector<Segment>& segments, std::int32_t standardOffset) {
    std::vector<Run> runs;
    for (std::size_t i = 0; i < segments.size(); ++i) {
        if (segments[i].offset == standardOffset) continue;
        const std::int64_t length = segments[i].end - segments[i].start;
        if (!runs.empty() && runs.back().last + 1 == i) {
            runs.back().last = i;
            runs.back().length += length;
        } else {
            runs.push_back({i, i, length});
        }
    }
    // Daylight time at both ends of the year is one period across New Year.
    if (runs.size() >= 2 && runs.front().first == 0 && runs.back().last == segments.size() - 1) {
        runs.back().last = runs.front().last;
        runs.back().length += runs.front().length;
        runs.erase(runs.begin());
    }
    return runs;
}

// A clock reading in seconds since 1970-01-01 00:00 as a civil date and time.
CivilTime ReadingAsCivil(std::int64_t reading) {
    return CivilTimeAt(reading * 1000, 0);
}

}  // namespace

ZoneYear ComputeZoneYear(const ZoneTimeline& zone, int year) {
    ZoneYear result;
    const std::vector<Segment> segments = SegmentsOfYear(zone, year);
    const auto lowest =
        std::min_element(segments.begin(), segments.end(),
                         [](const Segment& a, const Segment& b) { return a.offset < b.offset; });
    result.standardOffset = lowest->offset;
    result.daylightOffset = lowest->offset;

    const std::vector<Run> runs = DaylightRuns(segments, result.standardOffset);
    result.daylightPeriods = static_cast<int>(runs.size());
    if (runs.empty()) return result;

    const Run& main = *std::max_element(
        runs.begin(), runs.end(), [](const Run& a, const Run& b) { return a.length < b.length; });
    for (std::size_t i = main.first;; i = (i + 1) % segments.size()) {
        result.daylightOffset = std::max(result.daylightOffset, segments[i].offset);
        if (i == main.last) break;
    }
    const Segment& first = segments[main.first];
    result.daylightStarts = main.first == 0
                                ? CivilTime{year, 1, 1, 0, 0, 0, 0}
                                : ReadingAsCivil(first.start + segments[main.first - 1].offset);
    const Segment& last = segments[main.last];
    result.daylightEnds = main.last + 1 == segments.size()
                              ? CivilTime{year, 12, 31, 23, 59, 59, 999}
                              : ReadingAsCivil(last.end + last.offset);
    return result;
}

}  // namespace horavia
