#include "sync/time_service.h"

#include <QTimer>
#include <utility>

#include "sync/no_server_query.h"
#include "sync/server_choice.h"
#include "sync/sync_scheduler.h"
#include "sync/utc_clock.h"

namespace horavia {

TimeService::TimeService(AppState& state, SystemClockSetter& clockSetter,
                         ServerQueryFactory makeQuery, TimeServerPorts ports, QueryTiming timing,
                         QObject* parent)
    : QObject(parent),
      state_(state),
      makeQuery_(std::move(makeQuery)),
      setup_{UtcClockOf(state.services.clock), &pacer_, ports, timing},
      synchroniser_(announcedQuery_, clockSetter, state.services.messages, state.services.clock,
                    state.services.settings) {
    // A new interval takes effect at once: a synchronisation it makes due starts now.
    preferencesSubscription_ = state_.preferences.Subscribe([this](const PreferenceChange& change) {
        if (change.Touches(&Preferences::STInt) || change.Touches(&Preferences::STIntNum) ||
            change.Touches(&Preferences::STIntType)) {
            RequestUpdateTime();
        }
    });
}

TimeService::~TimeService() {
    state_.preferences.Unsubscribe(preferencesSubscription_);
}

ServerQueryPort& TimeService::ServerQuery() {
    if (!query_ && makeQuery_) query_ = makeQuery_(setup_);
    if (!query_) query_ = std::make_unique<NoServerQuery>();
    return *query_;
}

void TimeService::BeginBusy() {
    if (busyDepth_++ == 0) emit busyChanged(true);
}

void TimeService::EndBusy() {
    if (--busyDepth_ == 0) emit busyChanged(false);
}

void TimeService::SetQueryRunning(bool running) {
    if (running == queryRunning_) return;
    queryRunning_ = running;
    emit queryRunningChanged(running);
}

bool TimeService::AnnouncedQuery::StartQuery(const std::string& sServer, AnswerHandler done) {
    // A call while another query waits is refused by the query itself, without a wait.
    ServerQueryPort& query = service_.ServerQuery();
    if (query.IsWaiting()) return false;
    service_.BeginBusy();
    service_.SetQueryRunning(true);
    const bool started = query.StartQuery(sServer, [this, done](const TimeAnswer& answer) {
        service_.SetQueryRunning(false);  // over before its outcome is told
        service_.EndBusy();
        done(answer);
    });
    if (!started) {
        service_.SetQueryRunning(false);
        service_.EndBusy();
    }
    return started;
}

bool TimeService::SyncTime() {
    return StartSync(SyncRequest::Automatic, {});
}

bool TimeService::SyncNow() {
    return StartSync(SyncRequest::User, {});
}

bool TimeService::StartSync(SyncRequest request, std::function<void()> afterwards) {
    // The synchroniser refuses a second run itself; this only keeps the busy count right.
    if (synchroniser_.IsRunning()) return false;
    BeginBusy();
    synchroniser_.SyncTime(
        state_.preferences.Values().STServer,
        [this, afterwards = std::move(afterwards)](SyncOutcome outcome) {
            EndBusy();
            if (afterwards) afterwards();
            emit synchronised(outcome);
        },
        request);
    return true;
}

bool TimeService::UpdateTime() {
    if (IsBusy()) return false;
    const Preferences& p = state_.preferences.Values();
    return horavia::UpdateTime(
        p.STInt, p.STIntNum, p.STIntType, state_.preferences.LastSync(),
        [this](std::function<void()> finished) {
            StartSync(SyncRequest::Automatic, std::move(finished));
        },
        state_.services.clock, state_.services.localZone, state_.services.settings);
}

void TimeService::RequestUpdateTime() {
    // Most ticks find nothing due: they post nothing.
    const Preferences& p = state_.preferences.Values();
    if (updatePending_ || IsBusy() ||
        !IsSyncDueNow(p.STInt, p.STIntNum, p.STIntType, p.STLast, state_.services.clock,
                      state_.services.localZone)) {
        return;
    }
    updatePending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            updatePending_ = false;
            UpdateTime();
        },
        Qt::QueuedConnection);
}

void TimeService::TestServer(const std::string& server, std::function<void()> done) {
    Services& s = state_.services;
    TestServerAndReport(server, announcedQuery_, s.clock, s.messages, std::move(done));
}

}  // namespace horavia
