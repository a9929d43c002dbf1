#include "model/plan_time.h"

#include <cstdio>

#include "model/date_format.h"
#include "model/text_helpers.h"
#include "model/zone_time.h"

namespace horavia {

namespace {

constexpr std::int64_t kQuarterMs = 15 * 60'000;
constexpr std::int64_t kHourMs = 60 * 60'000;

std::int64_t FloorTo(std::int64_t ms, std::int64_t step) {
    const std::int64_t q = ms / step - ((ms % step != 0 && ms < 0) ? 1 : 0);
    return q * step;
}

std::int64_t CeilTo(std::int64_t ms, std::int64_t step) {
    const std::int64_t floor = FloorTo(ms, step);
    return floor == ms ? ms : floor + step;
}

std::int64_t FloorSeconds(Instant t) {
    return FloorTo(UnixMsOf(t), 1000) / 1000;
}

// The same wall time `days` later on the clock of `zone`.
Instant SameWallTimeDaysAway(Instant t, int days, const ZoneRules* zone) {
    const std::optional<CivilTime> shown = CivilTimeOn(zone, t);
    if (!shown) return t;
    const YearMonthDay date =
        DateOfDaysSince1970(DaysSince1970(shown->year, shown->month, shown->day) + days);
    CivilTime next = *shown;
    next.year = date.year;
    next.month = date.month;
    next.day = date.day;
    const std::optional<LocalTimeLookup> found = LookUpReadingOn(zone, next);
    // pre: a repeated reading's first pass, a skipped one moved on by the change.
    return found ? found->pre : t;
}

std::string Shown(const CivilTime& c, const char* pattern, const LocaleInfo& locale) {
    return FormatDateTime(c, pattern, locale).value_or(std::string());
}

// Reads exactly `count` digits at `at`.
std::optional<int> Digits(std::string_view text, std::size_t at, std::size_t count) {
    if (at + count > text.size()) return std::nullopt;
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

}  // namespace

Instant StepPlanTime(Instant t, PlanStep step, const ZoneRules* computerZone) {
    if (!IsCalendarInstant(t)) return t;
    const std::int64_t ms = UnixMsOf(t);
    std::int64_t next = ms;
    switch (step) {
        case PlanStep::QuarterLater:
            next = FloorTo(ms, kQuarterMs) + kQuarterMs;
            break;
        case PlanStep::QuarterEarlier:
            next = CeilTo(ms, kQuarterMs) - kQuarterMs;
            break;
        case PlanStep::HourLater:
            next = FloorTo(ms, kQuarterMs) + kHourMs;
            break;
        case PlanStep::HourEarlier:
            next = CeilTo(ms, kQuarterMs) - kHourMs;
            break;
        case PlanStep::DayLater:
            return SameWallTimeDaysAway(t, 1, computerZone);
        case PlanStep::DayEarlier:
            return SameWallTimeDaysAway(t, -1, computerZone);
    }
    const Instant moved = InstantFromUnixMs(next);
    return IsCalendarInstant(moved) ? moved : t;
}

PlacedReading PlaceReading(const ZoneRules* rules, const CivilTime& reading) {
    PlacedReading placed;
    const std::optional<LocalTimeLookup> found = LookUpReadingOn(rules, reading);
    if (!found) return placed;
    using Kind = LocalTimeLookup::Kind;
    if (found->kind == Kind::Unique) {
        placed.kind = PlacedReading::Kind::Unique;
        placed.at = found->pre;
        return placed;
    }
    placed.kind =
        found->kind == Kind::Skipped ? PlacedReading::Kind::Skipped : PlacedReading::Kind::Repeated;
    if (found->kind == Kind::Repeated) placed.at = found->pre;
    // The change lies between the two readings' instants.
    const Instant first = std::min(found->pre, found->post);
    const std::optional<OffsetChange> change =
        rules ? rules->NextChange(FloorSeconds(first)) : std::nullopt;
    if (change) {
        const std::int64_t atMs = change->at * 1000;
        placed.changeFrom = CivilTimeAt(atMs, WholeMinuteOffset(change->before));
        placed.changeTo = CivilTimeAt(atMs, WholeMinuteOffset(change->after));
    }
    return placed;
}

std::optional<Message> PlacedReadingText(const PlacedReading& placed, const CivilTime& reading,
                                         const std::string& label, const LocaleInfo& locale) {
    if (placed.kind != PlacedReading::Kind::Skipped &&
        placed.kind != PlacedReading::Kind::Repeated) {
        return std::nullopt;
    }
    const MessageId id = placed.kind == PlacedReading::Kind::Skipped
                             ? MessageId::PlannedTimeSkipped
                             : MessageId::PlannedTimeRepeated;
    return Message(
        id, {Shown(reading, "hh:nn", locale), Shown(reading, "d mmm yyyy", locale), label,
             Shown(placed.changeFrom, "hh:nn", locale), Shown(placed.changeTo, "hh:nn", locale)});
}

std::string IsoUtcText(Instant t) {
    const CivilTime c = CivilTimeAt(UnixMsOf(t), 0);
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02dZ", c.year, c.month, c.day,
                  c.hour, c.minute, c.second);
    return text;
}

std::optional<Instant> ParseIsoInstant(const std::string& input) {
    const std::string_view text = TrimBlanks(input);
    // YYYY-MM-DD(T| )hh:mm[:ss[.fff]](Z|±hh[[:]mm])
    const auto year = Digits(text, 0, 4);
    const auto month = Digits(text, 5, 2);
    const auto day = Digits(text, 8, 2);
    if (!year || !month || !day || text.size() < 16 || text[4] != '-' || text[7] != '-') {
        return std::nullopt;
    }
    if (text[10] != 'T' && text[10] != 't' && text[10] != ' ') return std::nullopt;
    const auto hour = Digits(text, 11, 2);
    const auto minute = Digits(text, 14, 2);
    if (!hour || !minute || text[13] != ':') return std::nullopt;
    std::size_t at = 16;
    int second = 0;
    int millisecond = 0;
    if (at < text.size() && text[at] == ':') {
        const auto s = Digits(text, at + 1, 2);
        if (!s) return std::nullopt;
        second = *s;
        at += 3;
        if (at < text.size() && (text[at] == '.' || text[at] == ',')) {
            ++at;
            int scale = 100;
            const std::size_t first = at;
            while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
                millisecond += (text[at] - '0') * scale;
                scale /= 10;
                ++at;
            }
            if (at == first) return std::nullopt;
        }
    }
    int offsetMinutes = 0;
    const std::string_view zone = text.substr(at);
    if (zone == "Z" || zone == "z") {
        offsetMinutes = 0;
    } else if (!zone.empty() && (zone[0] == '+' || zone[0] == '-')) {
        const auto h = Digits(zone, 1, 2);
        std::optional<int> m = 0;
        if (zone.size() == 6 && zone[3] == ':') {
            m = Digits(zone, 4, 2);
        } else if (zone.size() == 5) {
            m = Digits(zone, 3, 2);
        } else if (zone.size() != 3) {
            return std::nullopt;
        }
        if (!h || !m || *h > 23 || *m > 59) return std::nullopt;
        offsetMinutes = (*h * 60 + *m) * (zone[0] == '-' ? -1 : 1);
    } else {
        return std::nullopt;
    }
    if (*month < 1 || *month > 12 || *day < 1 || *hour > 23 || *minute > 59 || second > 59) {
        return std::nullopt;
    }
    const std::int64_t days = DaysSince1970(*year, *month, *day);
    const YearMonthDay back = DateOfDaysSince1970(days);
    if (back.month != *month || back.day != *day) return std::nullopt;  // 31 April
    const std::int64_t wallMs =
        ((days * 24 + *hour) * 60 + *minute) * 60'000 + second * 1000 + millisecond;
    return InstantFromUnixMs(wallMs - std::int64_t{offsetMinutes} * 60'000);
}

}  // namespace horavia
