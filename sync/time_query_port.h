// The one question the synchronisation asks the network: what time does this server say it is?
#pragma once

#include <QObject>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "model/instant.h"
#include "model/message.h"
#include "sync/query_failure.h"

namespace horavia {

// What a query found: when answered, the server's time; the response time in ms, meaningful
// only on success. NTP answers also bring the offset and round-trip delay they measured, NTS
// answers are authenticated, and a failed NTS key exchange says why. Without a time, why not,
// and for a server that asks to be queried less often, how long it is left alone.
struct TimeAnswer {
    bool answered = false;
    Instant serverUtc{};
    std::int32_t lRespons = 0;
    bool authenticated = false;
    std::optional<double> offsetMs;
    std::optional<double> delayMs;
    std::optional<Message> problem;
    QueryFailure failure = QueryFailure::NoAnswer;
    std::int64_t retryInMs = 0;
};

using AnswerHandler = std::function<void(const TimeAnswer&)>;

class TimeQueryPort {
  public:
    virtual ~TimeQueryPort() = default;
    // Starts one query of sServer; done gets its answer once, from the event loop, never from
    // within this call. False, and done is never called, while a query is running.
    virtual bool StartQuery(const std::string& sServer, AnswerHandler done) = 0;
};

// The program's own query, whose waiting the busy state follows.
class ServerQueryPort : public TimeQueryPort {
  public:
    virtual bool IsWaiting() const = 0;
};

// Starts query and hands its next finished signal to done.
template <class Query>
bool StartAndHandOn(Query& query, const std::string& server, AnswerHandler done) {
    if (query.IsWaiting()) return false;
    QObject::connect(&query, &Query::finished, &query, std::move(done), Qt::SingleShotConnection);
    return query.Start(server);
}

}  // namespace horavia

Q_DECLARE_METATYPE(horavia::TimeAnswer)
