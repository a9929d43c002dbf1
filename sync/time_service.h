// The program's time service: the one time query that every synchronisation and server test
// uses, the synchroniser, and the scheduled synchronisation. It belongs to the application,
// not to a window, so closing or re-creating a window never cuts a query short. Windows send
// it requests and follow busyChanged.
#pragma once

#include <QObject>
#include <cstdint>
#include <functional>
#include <string>

#include "model/zone_model.h"
#include "platform/system_clock_setter.h"
#include "sync/query_pacer.h"
#include "sync/server_query_factory.h"
#include "sync/sync_time.h"
#include "sync/time_query_port.h"

namespace horavia {

class TimeService : public QObject {
    Q_OBJECT

  public:
    // makeQuery builds the query when the first one runs (MakeServerTimeQuery, or the
    // program's loaded part); ports and timing: only tests use others.
    TimeService(AppState& state, SystemClockSetter& clockSetter, ServerQueryFactory makeQuery,
                TimeServerPorts ports = {}, QueryTiming timing = {}, QObject* parent = nullptr);
    ~TimeService() override;

    // Starts one synchronisation with the configured server (STServer) and returns at once;
    // synchronised follows when it is over. STLast is left alone. False when one is running.
    bool SyncTime();
    // The user's "Sync Now!": as SyncTime, and a server that gives no time is told.
    bool SyncNow();
    // The scheduled synchronisation: starts one when it is due and records STLast once it is
    // over. Never starts while the service is busy: the query would fail at once, and STLast
    // would mark it as done. True when a synchronisation was started.
    bool UpdateTime();
    // UpdateTime, run from the event loop as soon as the caller has returned, so that no
    // window's handler is on the stack while the synchronisation runs.
    void RequestUpdateTime();

    // The Test button: starts one query, whose result or failure is told in a message box;
    // then calls done.
    void TestServer(const std::string& server, std::function<void()> done);
    // The query for a run of server tests; it counts as busy while it waits.
    TimeQueryPort& Query() { return announcedQuery_; }

    // True while a synchronisation runs (waiting for its server or for the user's answer) or
    // a query waits for its server.
    bool IsBusy() const { return busyDepth_ > 0; }
    // True only while a query waits for its server: not while the user reads what came of it.
    bool IsQueryRunning() const { return queryRunning_; }

  signals:
    // Announced when the service becomes busy and when it is free again.
    void busyChanged(bool busy);
    // Announced when a query starts waiting for its server and when it ends (answered, failed,
    // timed out or cancelled), before anything is told of its outcome.
    void queryRunningChanged(bool running);
    // A synchronisation is over.
    void synchronised(horavia::SyncOutcome outcome);

  private:
    // The server query, with the busy state announced around each call.
    class AnnouncedQuery : public TimeQueryPort {
      public:
        explicit AnnouncedQuery(TimeService& service) : service_(service) {}
        bool StartQuery(const std::string& sServer, AnswerHandler done) override;

      private:
        TimeService& service_;
    };
    // Starts a synchronisation with the service busy until it is over; afterwards, when
    // given, runs once it is, after the service is announced free again.
    bool StartSync(SyncRequest request, std::function<void()> afterwards);
    // Busy periods may overlap (a synchronisation's queries); busyChanged is emitted when the
    // first begins and when the last ends.
    void BeginBusy();
    void EndBusy();
    void SetQueryRunning(bool running);

    // The query, made on first use; one that always fails when none can be made.
    ServerQueryPort& ServerQuery();

    AppState& state_;
    QueryPacer pacer_;  // every query counts against the same servers
    ServerQueryFactory makeQuery_;
    QuerySetup setup_;
    std::unique_ptr<ServerQueryPort> query_;
    AnnouncedQuery announcedQuery_{*this};
    TimeSynchroniser synchroniser_;
    int busyDepth_ = 0;
    bool queryRunning_ = false;
    int preferencesSubscription_ = -1;
    bool updatePending_ = false;  // an UpdateTime is posted and has not run yet
};

}  // namespace horavia
