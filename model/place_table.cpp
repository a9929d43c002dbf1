#include "model/place_table.h"

#include <charconv>
#include <map>
#include <optional>

#include "model/text_helpers.h"

namespace horavia {
namespace {

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(separator, start);
        fields.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) return fields;
        start = end + 1;
    }
}

std::vector<std::string> NameList(std::string_view text) {
    std::vector<std::string> names;
    if (text.empty()) return names;
    for (std::string_view name : Split(text, ',')) {
        if (!name.empty()) names.emplace_back(name);
    }
    return names;
}

template <typename T>
std::optional<T> Number(std::string_view text) {
    T value{};
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || ptr != end) return std::nullopt;
    return value;
}

class Parser {
  public:
    explicit Parser(PlaceTable& table) : table_(table) {}

    bool Line(const std::vector<std::string_view>& f) {
        if (f[0] == "C" && f.size() == 5) return Country(f);
        if (f[0] == "R" && f.size() == 4) return Region(f);
        if (f[0] == "Z" && f.size() == 4) return Zone(f);
        if (f[0] == "P" && (f.size() == 9 || f.size() == 10)) return PlaceLine(f);
        return false;
    }

  private:
    bool Country(const std::vector<std::string_view>& f) {
        const auto population = Number<std::int64_t>(f[3]);
        if (f[1].empty() || f[2].empty() || !population || countries_.count(f[1])) return false;
        countries_[f[1]] = static_cast<int>(table_.countries.size());
        table_.countries.push_back(
            {std::string(f[1]), std::string(f[2]), *population, NameList(f[4])});
        return true;
    }

    bool Region(const std::vector<std::string_view>& f) {
        const auto country = countries_.find(f[1]);
        if (country == countries_.end() || f[2].empty() || f[3].empty()) return false;
        regions_[{country->second, std::string(f[2])}] = static_cast<int>(table_.regions.size());
        table_.regions.push_back({country->second, std::string(f[3]), std::string(f[2])});
        return true;
    }

    bool Zone(const std::vector<std::string_view>& f) {
        if (f[1].empty() || f[2].empty() || (f[3] != "0" && f[3] != "1")) return false;
        table_.zones.push_back({std::string(f[1]), std::string(f[2]), f[3] == "1"});
        return true;
    }

    bool PlaceLine(const std::vector<std::string_view>& f) {
        const auto country = countries_.find(f[3]);
        const auto latitude = Number<float>(f[5]);
        const auto longitude = Number<float>(f[6]);
        const auto population = Number<std::int64_t>(f[7]);
        const auto zone = Number<int>(f[8]);
        if (f[1].empty() || country == countries_.end() || !latitude || !longitude || !population ||
            !zone || *zone < 0 || static_cast<std::size_t>(*zone) >= table_.zones.size()) {
            return false;
        }
        const auto region = regions_.find({country->second, std::string(f[4])});
        table_.places.push_back({std::string(f[1]), NameList(f[2]), country->second,
                                 region == regions_.end() ? -1 : region->second, *latitude,
                                 *longitude, *population, *zone, f.size() == 10 && f[9] == "PPLX"});
        return true;
    }

    PlaceTable& table_;
    std::map<std::string_view, int, std::less<>> countries_;
    std::map<std::pair<int, std::string>, int> regions_;
};

}  // namespace

PlaceTable ParsePlaceTable(std::string_view text) {
    PlaceTable table;
    Parser parser(table);
    for (std::string_view line : SplitLines(text)) {
        if (line.empty() || line.front() == '#') continue;
        if (!parser.Line(Split(line, '\t'))) ++table.skippedLines;
    }
    return table;
}

}  // namespace horavia
