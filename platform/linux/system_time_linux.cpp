#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <optional>

#include "platform/linux/zone_file.h"
#include "platform/system_time.h"

namespace horavia {
namespace {

std::int64_t NowMs() {
    return UnixMsOf(
        std::chrono::floor<std::chrono::milliseconds>(std::chrono::system_clock::now()));
}

constexpr char kSystemZoneFile[] = "/etc/localtime";

// Where the zone comes from, as the C library reads TZ: unset, the system's zone file; empty,
// UTC; otherwise, after an optional ':', an absolute path to a zone file, a zone id of the
// system's database, or a rule string. Anything else is UTC.
struct ZoneOrigin {
    std::string file;  // empty: none
    std::string rule;
};

ZoneOrigin OriginOf(const char* tz) {
    if (tz == nullptr) return {kSystemZoneFile, {}};
    std::string value = tz;
    if (!value.empty() && value.front() == ':') value.erase(0, 1);
    if (value.empty()) return {};
    if (value.front() == '/') return {value, {}};
    return {std::string(kSystemZoneFolder) + '/' + value, value};
}

// The file's identity, so that a replaced or relinked zone file is read again.
std::string FileIdentity(const std::string& path) {
    struct stat st {};
    if (path.empty() || stat(path.c_str(), &st) != 0) return "-";
    return std::to_string(st.st_dev) + ':' + std::to_string(st.st_ino) + ':' +
           std::to_string(st.st_size) + ':' + std::to_string(st.st_mtim.tv_sec) + '.' +
           std::to_string(st.st_mtim.tv_nsec);
}

std::shared_ptr<const ZoneRules> LoadOrigin(const ZoneOrigin& origin) {
    std::optional<ZoneTimeline> timeline;
    if (!origin.file.empty() && !origin.rule.empty()) {
        timeline = LoadZoneTimeline(origin.rule);  // a plain zone id only: no ".." walks
    } else if (!origin.file.empty()) {
        timeline = LoadZoneFile(origin.file);
    }
    if (!timeline && !origin.rule.empty()) timeline = ZoneTimeline::FromRule(origin.rule);
    if (!timeline) return std::make_shared<const FixedOffsetZone>(0, false, "UTC");
    return std::make_shared<const ZoneTimeline>(std::move(*timeline));
}

}  // namespace

std::shared_ptr<const ZoneRules> SystemLocalZone::Rules() {
    const char* tz = std::getenv("TZ");
    const ZoneOrigin origin = OriginOf(tz);
    const std::string source =
        (tz ? std::string("TZ=") + tz : std::string("-")) + '\n' + FileIdentity(origin.file);
    if (!rules_ || source != source_) {
        rules_ = LoadOrigin(origin);
        source_ = source;
    }
    return rules_;
}

LocalReading LocalReadingAt(std::int64_t utcMs) {
    const std::time_t seconds =
        static_cast<std::time_t>(utcMs >= 0 ? utcMs / 1000 : (utcMs - 999) / 1000);
    std::tm tm{};
    tzset();
    localtime_r(&seconds, &tm);
    LocalReading reading;
    reading.local = DayCountFromUnixMs(utcMs + static_cast<std::int64_t>(tm.tm_gmtoff) * 1000);
    return reading;
}

Instant SystemClock::NowUtc() {
    return InstantFromUnixMs(NowMs());
}

DayCount SystemClock::NowLocal() {
    return LocalReadingAt(NowMs()).local;
}

}  // namespace horavia
