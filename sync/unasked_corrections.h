// The corrections of the computer's clock made without asking the user, over the last day.
// Each is small (at most a minute and a half), but a server, or whoever answers in its name over
// a protocol without authentication, could answer "a little ahead" at every query and walk the
// clock by minutes. While the corrections of the last 24 hours would together move the clock by
// more than kUnaskedBudget in either direction, the next one is asked about instead.
//
// The record is kept in memory for the run and in the settings ("STUnasked"), written only when
// a correction is made, so that a restart does not empty it. It is kept per hour: a correction
// counts from the start of its hour for 25 hours, so it always counts for a full day.
#pragma once

#include <chrono>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "model/instant.h"
#include "model/settings_store.h"

namespace horavia {

inline constexpr std::chrono::milliseconds kUnaskedBudget{90'000};
inline constexpr const char* kUnaskedKey = "STUnasked";

class UnaskedCorrections {
  public:
    explicit UnaskedCorrections(SettingsStore& store) : store_(store) {}

    // Whether a correction by `amount` (the server's time minus the clock's) at `now` keeps
    // the corrections of the last day within the budget.
    bool Allows(std::chrono::milliseconds amount, Instant now);
    // A correction by `amount` was made without asking; the clock reads `now` after it.
    void Record(std::chrono::milliseconds amount, Instant now);

    // The stored text of a record: "hour:ms" pairs, the hour's start in seconds since 1970.
    using Hours = std::map<std::int64_t, std::int64_t>;
    static Hours Parse(std::string_view text);
    static std::string Text(const Hours& hours);

  private:
    // The hours that count at `now`, the record read from the settings on first use.
    Hours& CountingAt(Instant now);

    SettingsStore& store_;
    bool loaded_ = false;
    Hours hours_;  // the sum of the corrections in each hour, in ms
};

}  // namespace horavia
