// Testing time servers and choosing the best one: the measurements, the scores and the texts
// the Test and Auto buttons show. Standard C++ only.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/services.h"
#include "sync/time_query_port.h"

namespace horavia {

// The response time that marks a server as silent; every smaller value marks an answer.
inline constexpr std::int32_t kNoAnswerRespons = 5000;

// One server's measurement. Held in 32 bits, so a clock hours off still fits.
struct ServerResult {
    std::string Server;
    std::int32_t Diff = 0;                    // server minus this computer, whole seconds
    std::int32_t Respons = kNoAnswerRespons;  // ms
    std::optional<std::int64_t> DiffMs;       // Diff in milliseconds, from an NTP answer
    bool Authenticated = false;               // an NTS answer
    std::optional<double> OffsetMs;           // from an NTP answer
    std::optional<double> DelayMs;            // the round trip, from an NTP answer

    bool Answered() const { return Respons < kNoAnswerRespons; }
};

// What `host`'s answer measures. Answered: Diff from the computer's clock in UTC (read now,
// as the answer is handed on, limited to the 32-bit range; with DiffMs for NTP) and the
// response time; otherwise 0 and 5000.
ServerResult MeasuredResult(const std::string& host, const TimeAnswer& answer, ClockSource& clock);

// Queries `host` once; done gets the measurement when the answer is in (at once, as a
// failure, when the query does not start).
using ResultHandler = std::function<void(const ServerResult&)>;
void MeasureServer(const std::string& host, TimeQueryPort& query, ClockSource& clock,
                   ResultHandler done);

// The mean Diff of the servers that answered, rounded half to even; empty when none did.
std::optional<std::int64_t> MeanDifference(const std::vector<ServerResult>& results);

// |Diff - mean| seconds plus Respons milliseconds, as plain numbers.
std::int64_t ServerScore(const ServerResult& result, std::int64_t mean);

// The answering server with the lowest score, the lower index on equal scores; empty when no
// server answered. When an authenticated server answered, only those are chosen from.
std::optional<std::size_t> ChooseServer(const std::vector<ServerResult>& results);

// The question that proposes a server; an NTP server's with whether it
// was authenticated, its offset and delay after the difference.
MessageLines ProposalText(const ServerResult& result);

// The Test button: queries `server` once and reports its name, response time and difference
// (information icon; for NTP also whether it was authenticated, the offset and the delay), or
// why it gave no time: "Connection failed!" when it did not answer (exclamation icon; with the
// reason when known); calls done once the report has closed.
void TestServerAndReport(const std::string& server, TimeQueryPort& query, ClockSource& clock,
                         MessageBoxPort& messages, std::function<void()> done);

}  // namespace horavia
