#include "platform/linux/zone_file.h"

#include <algorithm>
#include <fstream>

namespace horavia {
namespace {

// Zone files are small; anything larger is not one.
constexpr std::streamsize kMaxZoneFileBytes = 1 << 20;

bool IsPlainZoneId(const std::string& id) {
    if (id.empty() || id.front() == '/' || id.size() > 255) return false;
    std::size_t start = 0;
    while (start <= id.size()) {
        const std::size_t slash = std::min(id.find('/', start), id.size());
        const std::string part = id.substr(start, slash - start);
        if (part.empty() || part == "." || part == "..") return false;
        start = slash + 1;
    }
    return id.find('\0') == std::string::npos;
}

}  // namespace

std::optional<ZoneTimeline> LoadZoneTimeline(const std::string& ianaId, const std::string& folder) {
    if (!IsPlainZoneId(ianaId)) return std::nullopt;
    std::ifstream file(folder + '/' + ianaId, std::ios::binary);
    if (!file) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(kMaxZoneFileBytes) + 1, '\0');
    file.read(bytes.data(), kMaxZoneFileBytes + 1);
    const std::streamsize got = file.gcount();
    if (got > kMaxZoneFileBytes) return std::nullopt;
    bytes.resize(static_cast<std::size_t>(got));
    return ZoneTimeline::FromTzif(bytes);
}

}  // namespace horavia
