#include "model/yearly_rule_zone.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "model/day_count.h"

namespace horavia {

namespace {

constexpr std::int64_t kDaySeconds = 86'400;
constexpr std::int64_t kDaysTo1970 = 25'569;  // 1899-12-30 to 1970-01-01

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a / b - ((a % b != 0 && (a < 0) != (b < 0)) ? 1 : 0);
}

int CalendarYear(std::int64_t readingSeconds) {
    return CivilFromDays(FloorDiv(readingSeconds, kDaySeconds) + kDaysTo1970).year;
}

std::int64_t YearStartReading(int year) {
    return (DaysFromCivil(year, 1, 1) - kDaysTo1970) * kDaySeconds;
}

}  // namespace

std::int64_t TransitionReading(int year, const TransitionRule& rule) {
    const std::int64_t day = DayOfNthWeekday(year, rule.month, rule.dayOfWeek, rule.week);
    return (day - kDaysTo1970) * kDaySeconds + rule.hour * 3600LL + rule.minute * 60LL +
           rule.second;
}

YearlyRuleZone::YearlyRuleZone(ZoneYearRecord record, std::map<int, ZoneYearRecord> years,
                               std::string standardName, std::string daylightName)
    : record_(record),
      years_(std::move(years)),
      standardName_(std::move(standardName)),
      daylightName_(std::move(daylightName)) {}

const ZoneYearRecord& YearlyRuleZone::RecordOf(int year) const {
    if (years_.empty()) return record_;
    const int first = years_.begin()->first;
    const int last = years_.rbegin()->first;
    const auto found = years_.find(std::clamp(year, first, last));
    return found != years_.end() ? found->second : record_;
}

int YearlyRuleZone::YearOf(std::int64_t utcSeconds) const {
    return CalendarYear(utcSeconds - record_.bias * 60LL);
}

bool YearlyRuleZone::IsDaylight(std::int64_t utcSeconds, int year, const ZoneYearRecord& r) const {
    if (r.dltBias == r.bias) return false;
    // Each change is compared with the reading of the clock it is given in: the change to
    // daylight time with the standard reading, the change back with the daylight reading.
    const std::int64_t stdReading = utcSeconds - r.bias * 60LL;
    const std::int64_t dltReading = utcSeconds - r.dltBias * 60LL;
    const std::int64_t stdStart = TransitionReading(year, r.stdRule);
    const std::int64_t dltStart = TransitionReading(year, r.dltRule);
    // At the very instant of a change the new offset applies, as the tz database says.
    if (dltStart < stdStart) return dltStart <= stdReading && dltReading < stdStart;
    return !(stdStart <= dltReading && stdReading < dltStart);  // daylight across New Year
}

ZoneState YearlyRuleZone::StateAt(std::int64_t utcSeconds) const {
    const int year = YearOf(utcSeconds);
    const ZoneYearRecord& r = RecordOf(year);
    if (IsDaylight(utcSeconds, year, r)) return {-r.dltBias * 60, true, daylightName_};
    return {-r.bias * 60, false, standardName_};
}

std::optional<OffsetChange> YearlyRuleZone::NextChange(std::int64_t after) const {
    // The candidates: each year's two changes, read with the bias of the clock they are given
    // in, and each year's first instant, where a year's own record may take over.
    const int first = YearOf(after) - 1;
    int last = first + 3;
    if (!years_.empty()) last = std::max(last, years_.rbegin()->first + 1);
    // A rule's date may roll into another year (a month beyond December), so the candidates
    // of all the years are taken in the order of time, not year by year.
    std::vector<std::int64_t> candidates;
    for (int year = first; year <= last; ++year) {
        const ZoneYearRecord& r = RecordOf(year);
        candidates.push_back(YearStartReading(year) + record_.bias * 60LL);
        if (r.dltBias != r.bias) {
            candidates.push_back(TransitionReading(year, r.dltRule) + r.bias * 60LL);
            candidates.push_back(TransitionReading(year, r.stdRule) + r.dltBias * 60LL);
        }
    }
    std::sort(candidates.begin(), candidates.end());
    for (const std::int64_t at : candidates) {
        if (at <= after) continue;
        const std::int32_t before = OffsetAt(at - 1);
        const std::int32_t now = OffsetAt(at);
        if (before != now) return OffsetChange{at, before, now};
    }
    return std::nullopt;
}

}  // namespace horavia
