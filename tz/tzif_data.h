// The contents of a compiled zone file (TZif, RFC 8536): its table of transitions and the
// rule string of its footer, which governs every instant after the table's last transition.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace horavia {

struct TzifTimeType {
    std::int32_t utcOffset = 0;  // seconds east of Greenwich
    bool isDst = false;
    std::string abbreviation = {};  // empty when the file names none
};

struct TzifData {
    std::vector<std::int64_t> times;   // transition instants, seconds since 1970, ascending
    std::vector<std::uint8_t> typeOf;  // the time type from each transition on
    std::vector<TzifTimeType> types;   // at least one; types[0] is in force before the table
    std::string footer;                // the POSIX TZ rule string; empty when absent
};

// Reads version 1 files from their 32-bit table and later versions from their 64-bit table
// and footer. Anything malformed (bad magic, counts beyond the data, type indices out of
// range, instants out of order) gives nothing.
std::optional<TzifData> ParseTzif(std::string_view bytes);

}  // namespace horavia
