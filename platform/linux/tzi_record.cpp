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

std::uint32_t ByteAt(const std::string& bytes, std::size_t i) {
    return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0u;
}

std::uint16_t GetU16(const std::string& bytes, std::size_t at) {
    return static_cast<std::uint16_t>(ByteAt(bytes, at) | (ByteAt(bytes, at + 1) << 8));
}

std::int32_t GetI32(const std::string& bytes, std::size_t at) {
    const std::uint32_t u = ByteAt(bytes, at) | (ByteAt(bytes, at + 1) << 8) |
                            (ByteAt(bytes, at + 2) << 16) | (ByteAt(bytes, at + 3) << 24);
    return static_cast<std::int32_t>(u);
}

SystemTime GetSystemTime(const std::string& bytes, std::size_t at) {
    SystemTime t;
    std::uint16_t* fields[] = {&t.year, &t.month,  &t.dayOfWeek, &t.week,
                               &t.hour, &t.minute, &t.second,    &t.milliseconds};
    for (std::uint16_t* field : fields) {
        *field = GetU16(bytes, at);
        at += 2;
    }
    return t;
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

TziRecord UnpackTzi(const std::string& bytes) {
    TziRecord record;
    record.bias = GetI32(bytes, 0);
    record.standardBias = GetI32(bytes, 4);
    record.daylightBias = GetI32(bytes, 8);
    record.standardDate = GetSystemTime(bytes, 12);
    record.daylightDate = GetSystemTime(bytes, 28);
    return record;
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
