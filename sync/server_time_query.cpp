#include "sync/server_time_query.h"

#include "sync/server_name.h"

namespace horavia {

ServerTimeQuery::ServerTimeQuery(UtcClock utcNow, QueryPacer& pacer, TimeServerPorts ports,
                                 QObject* parent, QueryTiming timing)
    : QObject(parent),
      pacer_(pacer),
      clock_(ClockOf(timing)),
      time_(utcNow, ports.timeProtocol, this, timing),
      ntp_(utcNow, ports.ntp, this, timing) {}

bool ServerTimeQuery::GetAtomTime(const std::string& sServer, DayCount& dAtomDate,
                                  std::int32_t& lRespons) {
    if (IsWaiting()) return false;
    const std::string key = ServerPacingKey(sServer);
    if (!key.empty()) {
        const std::int64_t nowMs = clock_.NowMs();
        const std::int64_t waitMs = pacer_.WaitMs(key, nowMs);
        if (waitMs > 0) {
            pacing_ = true;
            clock_.WaitUntil({}, nowMs + waitMs);
            pacing_ = false;
        }
    }
    const ServerAddress address = ParseServerName(sServer);
    const bool answered = address.protocol == TimeProtocol::Ntp
                              ? ntp_.GetAtomTime(address.host, dAtomDate, lRespons)
                              : time_.GetAtomTime(address.host, dAtomDate, lRespons);
    // Counted from the end of the query, so that its request, whenever it left, is at least
    // the interval before the next one.
    if (!key.empty()) pacer_.Note(key, clock_.NowMs());
    return answered;
}

}  // namespace horavia
