// Compiled zone files written by the tests themselves, so that the zone rules can be checked
// where the system has no tz database (the Windows build).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tz/civil_days.h"
#include "tz/tzif_data.h"

namespace horavia::testing {

// Seconds since 1970 of a UTC date and time.
inline std::int64_t Utc(int year, int month, int day, int hour, int minute = 0) {
    return DaysSince1970(year, month, day) * 86400 + hour * 3600 + minute * 60;
}

namespace detail {

inline void PutBigEndian(std::string& out, std::int64_t value, int width) {
    for (int shift = (width - 1) * 8; shift >= 0; shift -= 8) {
        out.push_back(static_cast<char>((static_cast<std::uint64_t>(value) >> shift) & 0xFFu));
    }
}

// A header and data block with times of the given width: every type named "ZZZ", no leap
// seconds, no standard/UT indicators.
inline void PutBlock(std::string& out, const TzifData& zone, char version, int timeWidth) {
    out += "TZif";
    out.push_back(version);
    out.append(15, '\0');
    const auto count = [&](std::size_t n) { PutBigEndian(out, static_cast<std::int64_t>(n), 4); };
    count(0);  // UT indicators
    count(0);  // standard-time indicators
    count(0);  // leap seconds
    count(zone.times.size());
    count(zone.types.size());
    count(4);  // abbreviation characters
    for (const std::int64_t t : zone.times) PutBigEndian(out, t, timeWidth);
    for (const std::uint8_t type : zone.typeOf) out.push_back(static_cast<char>(type));
    for (const TzifTimeType& type : zone.types) {
        PutBigEndian(out, type.utcOffset, 4);
        out.push_back(type.isDst ? '\1' : '\0');
        out.push_back('\0');
    }
    out += std::string("ZZZ\0", 4);
}

}  // namespace detail

// The bytes of a zone file. Version '\0' has the 32-bit table alone; later versions also the
// 64-bit table (its times must fit 32 bits when the first table is to hold them too) and the
// footer.
inline std::string TzifBytes(const TzifData& zone, char version = '2') {
    std::string out;
    if (version == '\0') {
        detail::PutBlock(out, zone, version, 4);
        return out;
    }
    detail::PutBlock(out, TzifData{{}, {}, {zone.types.front()}, {}}, version, 4);
    detail::PutBlock(out, zone, version, 8);
    out += '\n' + zone.footer + '\n';
    return out;
}

}  // namespace horavia::testing
