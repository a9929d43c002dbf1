#include "sync/server_time_query.h"

#include <chrono>

#include "sync/event_wait.h"
#include "sync/server_name.h"
#include "sync/stop_watch.h"

namespace horavia {

ServerTimeQuery::ServerTimeQuery(UtcClock utcNow, QueryPacer& pacer, TimeServerPorts ports,
                                 QObject* parent)
    : QObject(parent),
      pacer_(pacer),
      time_(utcNow, ports.timeProtocol, this),
      ntp_(utcNow, ports.ntp, this) {}

std::int64_t ServerTimeQuery::SteadyMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

bool ServerTimeQuery::GetAtomTime(const std::string& sServer, DayCount& dAtomDate,
                                  std::int32_t& lRespons) {
    if (IsWaiting()) return false;
    const std::string key = ServerPacingKey(sServer);
    if (!key.empty()) {
        const std::int64_t waitMs = pacer_.WaitMs(key, SteadyMs());
        if (waitMs > 0) {
            pacing_ = true;
            const CStopWatch watch;
            WaitWithEventLoop([] { return false; }, watch, static_cast<std::int32_t>(waitMs));
            pacing_ = false;
        }
    }
    const ServerAddress address = ParseServerName(sServer);
    const bool answered = address.protocol == TimeProtocol::Ntp
                              ? ntp_.GetAtomTime(address.host, dAtomDate, lRespons)
                              : time_.GetAtomTime(address.host, dAtomDate, lRespons);
    // Counted from the end of the query, so that its request, whenever it left, is at least
    // the interval before the next one.
    if (!key.empty()) pacer_.Note(key, SteadyMs());
    return answered;
}

}  // namespace horavia
