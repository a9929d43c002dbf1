// Fuzzes the compiled zone file reader and the rule string of its footer, through what the
// program asks of a zone: its offset at an instant, its changes over a span and the record of
// a year. Any bytes must give a zone or nothing, and a zone must agree with itself.
//
// Input: when byte 0 is 'R' the rest is a rule string alone; otherwise the bytes are a zone
// file. The last eight bytes also pick an instant to probe.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "tz/posix_tz_rule.h"
#include "tz/zone_timeline.h"
#include "tz/zone_year.h"

namespace {

using namespace horavia;

// Years 1 to 9999, the span the program shows.
constexpr std::int64_t kFirstSecond = -62135596800LL;
constexpr std::int64_t kLastSecond = 253402300799LL;
constexpr std::int32_t kDayOfSeconds = 86400;

std::int64_t ProbeInstant(const std::uint8_t* data, std::size_t size) {
    std::uint64_t raw = 0;
    std::memcpy(&raw, data + size - std::min<std::size_t>(size, 8), std::min<std::size_t>(size, 8));
    const auto span = static_cast<std::uint64_t>(kLastSecond - kFirstSecond);
    return kFirstSecond + static_cast<std::int64_t>(raw % span);
}

void CheckRule(std::string_view text, std::int64_t instant) {
    const std::optional<PosixTzRule> rule = ParsePosixTzRule(text);
    if (!rule) return;
    for (const std::int64_t t : {instant, std::int64_t{0}, kFirstSecond, kLastSecond}) {
        const std::int32_t offset = PosixOffsetAt(*rule, t);
        if (offset != rule->standardOffset &&
            !(rule->hasDaylight && offset == rule->daylightOffset)) {
            Fail();
        }
    }
    if (rule->hasDaylight) (void)ChangesOfYear(*rule, UtcYearOfSeconds(instant));
}

void CheckZone(const ZoneTimeline& zone, std::int64_t instant) {
    const std::int32_t offset = zone.OffsetAt(instant);
    if (offset <= -7 * kDayOfSeconds || offset >= 7 * kDayOfSeconds) Fail();
    // The changes of the years around the instant: in order, each a real change, and the
    // offset from each one on is the one it names.
    const std::int64_t from = std::max<std::int64_t>(kFirstSecond, instant - 400LL * kDayOfSeconds);
    const std::int64_t to = std::min<std::int64_t>(kLastSecond, instant + 400LL * kDayOfSeconds);
    std::int64_t previous = from - 1;
    for (const OffsetChange& change : zone.ChangesBetween(from, to)) {
        if (change.at < previous || change.before == change.after) Fail();
        if (zone.OffsetAt(change.at) != change.after) Fail();
        previous = change.at;
    }
    const int year = UtcYearOfSeconds(instant);
    if (year >= 1 && year <= 9999) {
        const ZoneYear record = ComputeZoneYear(zone, year);
        if (record.daylightPeriods < 0 || record.daylightOffset < record.standardOffset) Fail();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::int64_t instant = ProbeInstant(data, size);
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (data[0] == 'R') {
        CheckRule(bytes.substr(1), instant);
        return 0;
    }
    const std::optional<ZoneTimeline> zone = ZoneTimeline::FromTzif(bytes);
    if (zone) CheckZone(*zone, instant);
    return 0;
}
