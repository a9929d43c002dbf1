// Reads the registry's 44-byte TZI record back into its fields, for checking what was written.
#pragma once

#include <cstdint>
#include <string>

#include "platform/linux/tzi_record.h"

namespace horavia::testing {

inline std::uint32_t TziByte(const std::string& bytes, std::size_t i) {
    return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0u;  // missing bytes: zero
}

inline std::uint16_t TziU16(const std::string& bytes, std::size_t at) {
    return static_cast<std::uint16_t>(TziByte(bytes, at) | (TziByte(bytes, at + 1) << 8));
}

inline std::int32_t TziI32(const std::string& bytes, std::size_t at) {
    return static_cast<std::int32_t>(TziByte(bytes, at) | (TziByte(bytes, at + 1) << 8) |
                                     (TziByte(bytes, at + 2) << 16) |
                                     (TziByte(bytes, at + 3) << 24));
}

inline SystemTime TziSystemTime(const std::string& bytes, std::size_t at) {
    SystemTime t;
    for (std::uint16_t* field : {&t.year, &t.month, &t.dayOfWeek, &t.week, &t.hour, &t.minute,
                                 &t.second, &t.milliseconds}) {
        *field = TziU16(bytes, at);
        at += 2;
    }
    return t;
}

inline TziRecord UnpackTzi(const std::string& bytes) {
    TziRecord record;
    record.bias = TziI32(bytes, 0);
    record.standardBias = TziI32(bytes, 4);
    record.daylightBias = TziI32(bytes, 8);
    record.standardDate = TziSystemTime(bytes, 12);
    record.daylightDate = TziSystemTime(bytes, 28);
    return record;
}

}  // namespace horavia::testing
