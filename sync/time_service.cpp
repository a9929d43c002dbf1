#include "sync/time_service.h"

#include "sync/server_choice.h"
#include "sync/sync_scheduler.h"
#include "sync/utc_clock.h"

namespace horavia {

TimeService::TimeService(AppState& state, SystemClockSetter& clockSetter, TimeServerPorts ports,
                         QueryTiming timing, QObject* parent)
    : QObject(parent),
      state_(state),
      query_(UtcClockOf(state.services.clock, state.services.localZone), pacer_, ports, this,
             timing),
      synchroniser_(announcedQuery_, clockSetter, state.services.messages, state.services.clock,
                    state.services.localZone) {}

TimeService::BusyScope::BusyScope(TimeService& service) : service_(service) {
    if (service_.busyDepth_++ == 0) emit service_.busyChanged(true);
}

TimeService::BusyScope::~BusyScope() {
    if (--service_.busyDepth_ == 0) emit service_.busyChanged(false);
}

bool TimeService::AnnouncedQuery::GetAtomTime(const std::string& sServer, DayCount& dAtomDate,
                                              std::int32_t& lRespons) {
    // A call while another query waits is refused by the query itself, without a wait.
    if (service_.query_.IsWaiting()) return false;
    const BusyScope busy(service_);
    return service_.query_.GetAtomTime(sServer, dAtomDate, lRespons);
}

SyncOutcome TimeService::SyncTime() {
    // The synchroniser refuses a second run itself; the scope only announces the first.
    if (synchroniser_.IsRunning()) return SyncOutcome::Skipped;
    const BusyScope busy(*this);
    return synchroniser_.SyncTime(state_.prefs.STServer);
}

bool TimeService::UpdateTime() {
    if (IsBusy()) return false;
    Preferences& p = state_.prefs;
    return horavia::UpdateTime(
        p.STInt, p.STIntNum, p.STIntType, p.STLast, [this] { SyncTime(); }, state_.services.clock,
        state_.services.localZone, state_.services.settings);
}

void TimeService::RequestUpdateTime() {
    // Most ticks find nothing due: they post nothing.
    const Preferences& p = state_.prefs;
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

void TimeService::TestServer(const std::string& server) {
    Services& s = state_.services;
    TestServerAndReport(server, announcedQuery_, s.clock, s.localZone, s.messages);
}

}  // namespace horavia
