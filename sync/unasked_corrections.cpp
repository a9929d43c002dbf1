#include "sync/unasked_corrections.h"

#include <charconv>
#include <cstdlib>
#include <limits>

namespace horavia {

namespace {

constexpr std::int64_t kHourSeconds = 3600;
// A correction counts for 25 hours from the start of its hour, so for at least 24 hours. The
// same span ahead covers a clock set back since (by this program, or by hand).
constexpr std::int64_t kCountingSeconds = 25 * kHourSeconds;
// No hour holds more than a day of corrections: a hand-edited value cannot overflow the sum.
constexpr std::int64_t kMaxHourMs = 86'400'000;

std::int64_t SecondsOf(Instant t) {
    const std::int64_t ms = UnixMsOf(t);
    return ms / 1000 - (ms % 1000 < 0 ? 1 : 0);
}

std::int64_t HourOf(Instant t) {
    const std::int64_t s = SecondsOf(t);
    return s / kHourSeconds * kHourSeconds - (s % kHourSeconds < 0 ? kHourSeconds : 0);
}

std::int64_t Clamped(std::int64_t ms) {
    return std::max(-kMaxHourMs, std::min(kMaxHourMs, ms));
}

bool ReadNumber(std::string_view text, std::int64_t& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

UnaskedCorrections::Hours UnaskedCorrections::Parse(std::string_view text) {
    Hours hours;
    std::size_t at = 0;
    // Pairs apart by blanks; a pair that does not read is left out, as is anything past the
    // hours a record can hold.
    while (at < text.size() && hours.size() <= kCountingSeconds * 2 / kHourSeconds) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        const std::string_view pair = text.substr(at, end - at);
        at = end + 1;
        const std::size_t colon = pair.find(':');
        std::int64_t hour = 0;
        std::int64_t ms = 0;
        if (colon == std::string_view::npos || !ReadNumber(pair.substr(0, colon), hour) ||
            !ReadNumber(pair.substr(colon + 1), ms)) {
            continue;
        }
        std::int64_t& sum = hours[hour];
        sum = Clamped(sum + Clamped(ms));
    }
    return hours;
}

std::string UnaskedCorrections::Text(const Hours& hours) {
    std::string text;
    for (const auto& [hour, ms] : hours) {
        if (!text.empty()) text += ' ';
        text += std::to_string(hour) + ':' + std::to_string(ms);
    }
    return text;
}

UnaskedCorrections::Hours& UnaskedCorrections::CountingAt(Instant now) {
    if (!loaded_) {
        loaded_ = true;
        hours_ = Parse(store_.Get(kUnaskedKey, ""));
    }
    const std::int64_t seconds = SecondsOf(now);
    std::erase_if(hours_, [seconds](const auto& entry) {
        const std::int64_t hour = entry.first;
        return hour <= seconds - kCountingSeconds || hour > seconds + kCountingSeconds;
    });
    return hours_;
}

bool UnaskedCorrections::Allows(std::chrono::milliseconds amount, Instant now) {
    std::int64_t sum = Clamped(amount.count());
    for (const auto& [hour, ms] : CountingAt(now)) sum += ms;
    return std::llabs(sum) <= kUnaskedBudget.count();
}

void UnaskedCorrections::Record(std::chrono::milliseconds amount, Instant now) {
    std::int64_t& sum = CountingAt(now)[HourOf(now)];
    sum = Clamped(sum + Clamped(amount.count()));
    store_.Save(kUnaskedKey, Text(hours_));
}

}  // namespace horavia
