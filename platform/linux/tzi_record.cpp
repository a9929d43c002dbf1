#include "platform/linux/tzi_record.h"

#include <cstdio>
#include <cstdlib>

#include "model/day_count.h"

namespace horavia {
namespace {

void PutU16(std::string& out, std::uint16_t v) {
    out.push_back(static_cast<char>(v & 0xFFu));
    out.push_back(static_cast<char>((v >> 8) & 0xFFu));
}

void PutI32(std::string& out, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<char>((u >> shift) & 0xFFu));
    }
}

void PutSystemTime(std::string& out, const SystemTime& t) {
    for (std::uint16_t v :
         {t.year, t.month, t.dayOfWeek, t.week, t.hour, t.minute, t.second, t.milliseconds}) {
        PutU16(out, v);
    }
}

std::uint16_t U16(int v) {
    return static_cast<std::uint16_t>(v);
}

}  // namespace

std::string PackTzi(const TziRecord& record) {
    std::string out;
    out.reserve(kTziBytes);
    PutI32(out, record.bias);
    PutI32(out, record.standardBias);
    PutI32(out, record.daylightBias);
    PutSystemTime(out, record.standardDate);
    PutSystemTime(out, record.daylightDate);
    return out;
}

SystemTime RuleForMoment(int year, int month, int day, int hour, int minute, int second,
                         int millisecond) {
    SystemTime t;
    t.month = U16(month);
    t.dayOfWeek = U16(WeekdayOfDays(DaysFromCivil(year, month, day)));
    t.week = U16(day > DaysInMonth(year, month) - 7 ? 5 : (day - 1) / 7 + 1);
    t.hour = U16(hour);
    t.minute = U16(minute);
    t.second = U16(second);
    t.milliseconds = U16(millisecond);
    return t;
}

TziRecord TziOfZoneYear(const ZoneYear& year) {
    auto minutes = [](std::int32_t seconds) { return static_cast<std::int32_t>(seconds / 60); };
    auto rule = [](const WallClockTime& t) {
        return RuleForMoment(t.year, t.month, t.day, t.hour, t.minute, t.second, t.millisecond);
    };
    TziRecord record;
    record.bias = -minutes(year.standardOffset);
    if (year.daylightPeriods == 0) return record;
    record.daylightBias = -minutes(year.daylightOffset - year.standardOffset);
    record.daylightDate = rule(year.daylightStarts);
    record.standardDate = rule(year.daylightEnds);
    return record;
}

std::string DisplayPrefix(std::int32_t bias, bool isUniversalTime) {
    if (bias == 0 && isUniversalTime) return "(UTC) ";
    const std::int32_t offset = -bias;
    const long magnitude = std::labs(static_cast<long>(offset));
    char text[32];
    std::snprintf(text, sizeof text, "(UTC%c%02ld:%02ld) ", offset < 0 ? '-' : '+', magnitude / 60,
                  magnitude % 60);
    return text;
}

}  // namespace horavia
