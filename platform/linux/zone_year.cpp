#include "platform/linux/zone_year.h"

#include <QDateTime>
#include <algorithm>
#include <vector>

namespace horavia {
namespace {

// A stretch of the year with one offset from UTC, in seconds.
struct Segment {
    qint64 startMs;
    qint64 endMs;
    int offset;
};

// Consecutive segments [first, last] (indices modulo the segment count, so that a period
// across New Year is one run) that are on daylight time.
struct Run {
    std::size_t first;
    std::size_t last;
    qint64 lengthMs = 0;
};

QDateTime Utc(qint64 ms) {
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC);
}

qint64 LocalYearStart(const QTimeZone& zone, int year) {
    const QDateTime start(QDate(year, 1, 1), QTime(0, 0), zone);
    if (start.isValid()) return start.toMSecsSinceEpoch();
    return QDateTime(QDate(year, 1, 1), QTime(0, 0), Qt::UTC).toMSecsSinceEpoch();
}

std::vector<Segment> SegmentsOfYear(const QTimeZone& zone, int year) {
    const qint64 startMs = LocalYearStart(zone, year);
    const qint64 endMs = LocalYearStart(zone, year + 1);
    std::vector<Segment> segments{{startMs, endMs, zone.offsetFromUtc(Utc(startMs))}};
    for (const auto& change : zone.transitions(Utc(startMs), Utc(endMs))) {
        const qint64 at = change.atUtc.toMSecsSinceEpoch();
        // Some transitions change only the name or the daylight flag: not a change of clock.
        if (at <= startMs || at >= endMs || change.offsetFromUtc == segments.back().offset) {
            continue;
        }
        segments.back().endMs = at;
        segments.push_back({at, endMs, change.offsetFromUtc});
    }
    return segments;
}

std::vector<Run> DaylightRuns(const std::vector<Segment>& segments, int standardOffset) {
    std::vector<Run> runs;
    for (std::size_t i = 0; i < segments.size(); ++i) {
        if (segments[i].offset == standardOffset) continue;
        const qint64 length = segments[i].endMs - segments[i].startMs;
        if (!runs.empty() && runs.back().last + 1 == i) {
            runs.back().last = i;
            runs.back().lengthMs += length;
        } else {
            runs.push_back({i, i, length});
        }
    }
    // Daylight time at both ends of the year is one period across New Year.
    if (runs.size() >= 2 && runs.front().first == 0 && runs.back().last == segments.size() - 1) {
        runs.back().last = runs.front().last;
        runs.back().lengthMs += runs.front().lengthMs;
        runs.erase(runs.begin());
    }
    return runs;
}

SystemTime RuleForReading(qint64 readingMs) {
    const QDateTime t = Utc(readingMs);
    return RuleForMoment(t.date().year(), t.date().month(), t.date().day(), t.time().hour(),
                         t.time().minute(), t.time().second(), t.time().msec());
}

std::int32_t Minutes(int seconds) {
    return static_cast<std::int32_t>(seconds / 60);
}

}  // namespace

ZoneYear ComputeZoneYear(const QTimeZone& zone, int year) {
    ZoneYear result;
    if (!zone.isValid()) return result;
    const std::vector<Segment> segments = SegmentsOfYear(zone, year);
    const auto lowest =
        std::min_element(segments.begin(), segments.end(),
                         [](const Segment& a, const Segment& b) { return a.offset < b.offset; });
    const int standard = lowest->offset;
    result.tzi.bias = -Minutes(standard);

    const std::vector<Run> runs = DaylightRuns(segments, standard);
    result.daylightPeriods = static_cast<int>(runs.size());
    if (runs.empty()) return result;

    const Run& main = *std::max_element(runs.begin(), runs.end(), [](const Run& a, const Run& b) {
        return a.lengthMs < b.lengthMs;
    });
    int daylight = standard;
    for (std::size_t i = main.first;; i = (i + 1) % segments.size()) {
        daylight = std::max(daylight, segments[i].offset);
        if (i == main.last) break;
    }
    result.tzi.daylightBias = -Minutes(daylight - standard);

    // Each change is written in the clock reading just before it. A period cut by the start
    // or the end of the year (a zone that changed its offset for good) begins at the year's
    // first moment or ends at its last.
    const Segment& first = segments[main.first];
    result.tzi.daylightDate =
        main.first == 0
            ? RuleForMoment(year, 1, 1, 0, 0, 0, 0)
            : RuleForReading(first.startMs + segments[main.first - 1].offset * qint64{1000});
    const Segment& last = segments[main.last];
    result.tzi.standardDate = main.last + 1 == segments.size()
                                  ? RuleForMoment(year, 12, 31, 23, 59, 59, 999)
                                  : RuleForReading(last.endMs + last.offset * qint64{1000});
    return result;
}

}  // namespace horavia
