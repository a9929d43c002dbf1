// The result of testing one time server, as the Test button and `horavia --test-server` show it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/instant.h"
#include "model/message.h"
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

// A difference as one of two messages: with the seconds alone, or with the seconds and the
// milliseconds when the protocol gives them.
Message DifferenceMessage(const ServerDifference& difference, MessageId seconds,
                          MessageId secondsAndMs);

// "Difference with local time: -5 s", with " (-5123 ms)" when the milliseconds are known.
Message DifferenceLine(const ServerDifference& difference);

// "Name: ...", "Respons time: ... ms", and the difference line.
MessageLines ServerTestText(const std::string& server, std::int32_t respons,
                            const ServerDifference& difference);

// What an NTP answer adds, a line each: "Authenticated: yes (NTS)" or "Authenticated: no",
// "Offset: 2500.3 ms" (positive when the server is ahead) and "Round-trip delay: 0.4 ms".
// Nothing for an answer without an offset (the Time Protocol's).
MessageLines AnswerDetails(bool authenticated, std::optional<double> offsetMs,
                           std::optional<double> delayMs);
inline MessageLines AnswerDetails(const TimeAnswer& answer) {
    return AnswerDetails(answer.authenticated, answer.offsetMs, answer.delayMs);
}

// "Connection failed!", and on the next line why, when the query knows.
MessageLines ConnectionFailedText(const TimeAnswer& answer);

}  // namespace horavia
