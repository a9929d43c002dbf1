// The result of testing one time server, as the Test button and `horavia --test-server` show it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/instant.h"
#include "sync/time_query_port.h"

namespace horavia {

// The difference a server's answer shows: whole seconds, and the milliseconds when the
// protocol gives them (then the seconds are the milliseconds rounded, halves away from zero).
struct ServerDifference {
    std::int64_t seconds = 0;
    std::optional<std::int64_t> ms;
};
// From the server's instant and the computer's clock at its answer: positive when the server
// is ahead. Without milliseconds (Time Protocol) both moments are first cut to whole seconds,
// as the server's answer itself is.
ServerDifference MeasureServerDifference(const std::string& server, Instant serverUtc,
                                         Instant clockUtc);

// "-5 s", with " (-5123 ms)" when the milliseconds are known.
std::string DifferenceAmount(const ServerDifference& difference);
// "Difference with local time: " and the amount.
std::string DifferenceLine(const ServerDifference& difference);

// "Name: ...", "Respons time: ... ms", and the difference line, joined by lineBreak.
std::string ServerTestText(const std::string& server, std::int32_t respons,
                           const ServerDifference& difference, const std::string& lineBreak);

// What an NTP answer adds, each line after lineBreak: "Authenticated: yes (NTS)" or
// "Authenticated: no", "Offset: 2500.3 ms" (positive when the server is ahead) and
// "Round-trip delay: 0.4 ms". Nothing for an answer without an offset (the Time Protocol's).
std::string AnswerDetails(bool authenticated, std::optional<double> offsetMs,
                          std::optional<double> delayMs, const std::string& lineBreak);
inline std::string AnswerDetails(const TimeAnswer& answer, const std::string& lineBreak) {
    return AnswerDetails(answer.authenticated, answer.offsetMs, answer.delayMs, lineBreak);
}

inline constexpr const char* kConnectionFailedText = "Connection failed!";

// "Connection failed!", and on the next line why, when the query knows.
std::string ConnectionFailedText(const TimeAnswer& answer, const std::string& lineBreak);

}  // namespace horavia
