#include "model/place_names.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <utility>

#include "model/text_helpers.h"

namespace horavia {
namespace {

std::vector<std::string_view> Fields(std::string_view line, char separator) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t end = line.find(separator, start);
        fields.push_back(line.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) return fields;
        start = end + 1;
    }
}

class Parser {
  public:
    Parser(const PlaceTable& table, PlaceNames& names) : table_(table), names_(names) {
        for (std::size_t c = 0; c < table.countries.size(); ++c)
            countries_.emplace(table.countries[c].code, static_cast<int>(c));
        for (std::size_t r = 0; r < table.regions.size(); ++r) {
            const PlaceRegion& region = table.regions[r];
            regions_.emplace(std::pair(region.country, region.code), static_cast<int>(r));
        }
        names_.countries.resize(table.countries.size());
        names_.regions.resize(table.regions.size());
    }

    bool Line(const std::vector<std::string_view>& f) {
        if (f[0] == "C" && f.size() == 3) return Country(f);
        if (f[0] == "R" && f.size() == 4) return Region(f);
        if (f[0] == "P" && f.size() == 4) return Place(f);
        return false;
    }

  private:
    bool Country(const std::vector<std::string_view>& f) {
        const auto country = countries_.find(f[1]);
        if (country == countries_.end() || f[2].empty()) return false;
        names_.countries[static_cast<std::size_t>(country->second)] = f[2];
        return true;
    }

    bool Region(const std::vector<std::string_view>& f) {
        const auto country = countries_.find(f[1]);
        if (country == countries_.end() || f[3].empty()) return false;
        const auto region = regions_.find(std::pair(country->second, std::string(f[2])));
        if (region == regions_.end()) return false;
        names_.regions[static_cast<std::size_t>(region->second)] = f[3];
        return true;
    }

    bool Place(const std::vector<std::string_view>& f) {
        int place = -1;
        const char* end = f[1].data() + f[1].size();
        const auto [ptr, error] = std::from_chars(f[1].data(), end, place);
        if (f[1].empty() || error != std::errc() || ptr != end || place < 0 ||
            static_cast<std::size_t>(place) >= table_.places.size() ||
            (!names_.places.empty() && place <= names_.places.back().place)) {
            return false;
        }
        LocalPlaceName entry{place, std::string(f[2]), {}};
        if (!f[3].empty()) {
            for (std::string_view name : Fields(f[3], ',')) {
                if (!name.empty()) entry.names.emplace_back(name);
            }
        }
        if (entry.shown.empty() && entry.names.empty()) return false;
        names_.places.push_back(std::move(entry));
        return true;
    }

    const PlaceTable& table_;
    PlaceNames& names_;
    std::map<std::string, int, std::less<>> countries_;
    std::map<std::pair<int, std::string>, int> regions_;
};

}  // namespace

const LocalPlaceName* PlaceNames::Of(int place) const {
    const auto found =
        std::lower_bound(places.begin(), places.end(), place,
                         [](const LocalPlaceName& entry, int k) { return entry.place < k; });
    return found != places.end() && found->place == place ? &*found : nullptr;
}

PlaceNames ParsePlaceNames(std::string_view text, const PlaceTable& table) {
    PlaceNames names;
    Parser parser(table, names);
    for (std::string_view line : SplitLines(text)) {
        if (line.empty() || line.front() == '#') continue;
        if (!parser.Line(Fields(line, '\t'))) ++names.skippedLines;
    }
    return names;
}

}  // namespace horavia
