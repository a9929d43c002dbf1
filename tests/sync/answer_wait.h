// A test's wait for one query: starts it and runs an event loop until its finished signal.
#pragma once

#include <QEventLoop>
#include <QTimer>
#include <optional>
#include <string>

#include "sync/sync_time.h"
#include "sync/time_query_port.h"

namespace horavia::test {

// True when the server answered (serverUtc is then its time). lRespons is set whenever
// the query ran; a query that did not start returns false at once and touches nothing.
template <class Query>
bool AwaitAnswer(Query& query, const std::string& server, Instant& serverUtc,
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
    serverUtc = answer->serverUtc;
    return true;
}

// One whole synchronisation, the event loop running until it is over (a lost end fails the
// test after ten seconds, as Skipped).
inline SyncOutcome AwaitSync(TimeSynchroniser& sync, const std::string& server,
                             SyncRequest request = SyncRequest::Automatic) {
    QEventLoop loop;
    std::optional<SyncOutcome> outcome;
    sync.SyncTime(
        server,
        [&](SyncOutcome o) {
            outcome = o;
            loop.quit();
        },
        request);
    if (!outcome) {
        QTimer::singleShot(10'000, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return outcome.value_or(SyncOutcome::Skipped);
}

}  // namespace horavia::test
