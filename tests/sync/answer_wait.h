// A test's wait for one query: starts it and runs an event loop until its finished signal.
#pragma once

#include <QEventLoop>
#include <QTimer>
#include <optional>
#include <string>

#include "sync/time_query_port.h"

namespace horavia::test {

// True when the server answered (dAtomDate is then its UTC time). lRespons is set whenever
// the query ran; a query that did not start returns false at once and touches nothing.
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
    if (query.Start(server) && !answer) {
        QTimer::singleShot(10'000, &loop, &QEventLoop::quit);  // a lost answer fails the test
        loop.exec();
    }
    QObject::disconnect(connection);
    if (!answer) return false;
    lRespons = answer->lRespons;
    if (!answer->answered) return false;
    dAtomDate = answer->dAtomDate;
    return true;
}

}  // namespace horavia::test
