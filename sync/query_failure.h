// Why a time query brought no time. A server that refuses, asks for patience or is itself not
// synchronised is told apart from one that is silent, so that the user learns what happened
// and the program does what the server asked.
#pragma once

#include <cstdint>
#include <string>

#include "model/message.h"

namespace horavia {

enum class QueryFailure {
    NoAnswer,        // silent, unreachable, connection refused, unknown name, out of time
    AskLessOften,    // kiss-o'-death RATE, or the back-off it asked for still runs
    RefusesClient,   // kiss-o'-death DENY or RSTR: the server is not asked again this run
    Unsynchronised,  // leap indicator 3, stratum 16, or another kiss code
    Incomplete,      // a Time Protocol reply under four bytes, an NTP reply without its stamps
    NotLoaded,       // the program's time queries could not be loaded: the problem says why
};

struct TimeAnswer;

// "The time server asks to be queried less often; it will not be asked again for N
// minute(s).", the wait rounded up to whole minutes.
Message AskLessOftenText(std::int64_t waitMs);

// The sentence that tells the failure; noAnswerText for a server that did not answer at all.
// waitMs: how long a server that asks to be queried less often is left alone.
MessageLines QueryFailureText(QueryFailure failure, std::int64_t waitMs,
                              const MessageLines& noAnswerText);

// The sentences that tell why answer brought no time: its failure's, or when the time queries
// could not be loaded, that alone and why ("The time queries could not be loaded: ...").
MessageLines UnansweredText(const TimeAnswer& answer, const MessageLines& noAnswerText);

}  // namespace horavia
