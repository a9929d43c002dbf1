// The one question the synchronisation asks the network: what time does this server say it is?
#pragma once

#include <QEventLoop>
#include <QObject>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "model/day_count.h"

namespace horavia {

// What a query found: when answered, the server's UTC time; the response time in ms,
// meaningful only on success.
struct TimeAnswer {
    bool answered = false;
    DayCount dAtomDate = 0;
    std::int32_t lRespons = 0;
};

using AnswerHandler = std::function<void(const TimeAnswer&)>;

class TimeQueryPort {
  public:
    virtual ~TimeQueryPort() = default;
    // Starts one query of sServer; done gets its answer once, from the event loop, never from
    // within this call. False, and done is never called, while a query is running.
    virtual bool StartQuery(const std::string& sServer, AnswerHandler done) = 0;
    // True when the server answered: dAtomDate is then its UTC time. lRespons is the response
    // time in ms, meaningful only on success.
    virtual bool GetAtomTime(const std::string& sServer, DayCount& dAtomDate,
                             std::int32_t& lRespons) = 0;
};

// Starts query and hands its next finished signal to done.
template <class Query>
bool StartAndHandOn(Query& query, const std::string& server, AnswerHandler done) {
    if (query.IsWaiting()) return false;
    QObject::connect(&query, &Query::finished, &query, std::move(done), Qt::SingleShotConnection);
    return query.Start(server);
}

// Starts query and runs an event loop of its own until its finished signal. False at once
// when the query does not start.
template <class Query>
bool AwaitAnswer(Query& query, const std::string& server, DayCount& dAtomDate,
                 std::int32_t& lRespons) {
    QEventLoop loop;
    std::optional<TimeAnswer> answer;
    const auto connection =
        QObject::connect(&query, &Query::finished, &loop, [&](const TimeAnswer& found) {
            answer = found;
            loop.quit();
        });
    if (query.Start(server) && !answer) loop.exec();
    QObject::disconnect(connection);
    if (!answer) return false;
    lRespons = answer->lRespons;
    if (!answer->answered) return false;
    dAtomDate = answer->dAtomDate;
    return true;
}

}  // namespace horavia

Q_DECLARE_METATYPE(horavia::TimeAnswer)
