#include "platform/linux/zone_table.h"

#include <optional>

#include "model/text_helpers.h"

namespace horavia {
namespace {

std::vector<std::string_view> SplitTabs(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
        if (tab == std::string_view::npos) return fields;
        start = tab + 1;
    }
}

// A registry key name holds no backslash and no control character.
bool IsKeyName(std::string_view name) {
    if (name.empty() || name.size() >= 256) return false;
    for (char c : name) {
        if (c == '\\' || static_cast<unsigned char>(c) < 0x20) return false;
    }
    return true;
}

std::optional<ZoneTableRow> ParseRow(std::string_view line) {
    const auto f = SplitTabs(line);
    if (f.size() != 7 || !IsKeyName(f[0]) || f[1].empty() || f[4].empty()) return std::nullopt;
    const auto map1 = ParseWholeNumber(f[5]);
    const auto map2 = ParseWholeNumber(f[6]);
    if (!map1 || !map2) return std::nullopt;
    return ZoneTableRow{std::string(f[0]),
                        std::string(f[1]),
                        std::string(f[2]),
                        std::string(f[3]),
                        std::string(f[4]),
                        *map1,
                        *map2};
}

}  // namespace

ZoneTable ParseZoneTable(std::string_view text) {
    ZoneTable table;
    for (std::string_view line : SplitLines(text)) {
        if (line.empty() || line.front() == '#') continue;
        if (auto row = ParseRow(line)) {
            table.rows.push_back(std::move(*row));
        } else {
            ++table.skippedLines;
        }
    }
    return table;
}

}  // namespace horavia
