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
    return LoadZoneFile(folder + '/' + ianaId);
}

std::optional<ZoneTimeline> LoadZoneFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    // Read as it comes: a zone file is a few kilobytes, and every start reads all of them.
    std::string bytes;
    char chunk[1024];  // the stream buffers the file underneath
    do {
        file.read(chunk, sizeof chunk);
        bytes.append(chunk, static_cast<std::size_t>(file.gcount()));
        if (bytes.size() > static_cast<std::size_t>(kMaxZoneFileBytes)) return std::nullopt;
    } while (file);
    return ZoneTimeline::FromTzif(bytes);
}

}  // namespace horavia
