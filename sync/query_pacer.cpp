#include "sync/query_pacer.h"

#include <algorithm>

namespace horavia {

std::int64_t QueryPacer::WaitMs(const std::string& server, std::int64_t nowMs) const {
    const auto it = lastAsked_.find(server);
    if (it == lastAsked_.end()) return 0;
    return std::clamp<std::int64_t>(it->second + intervalMs_ - nowMs, 0, intervalMs_);
}

void QueryPacer::Note(const std::string& server, std::int64_t nowMs) {
    // Servers asked longer ago than the interval no longer matter.
    std::erase_if(lastAsked_,
                  [&](const auto& entry) { return nowMs - entry.second >= intervalMs_; });
    lastAsked_[server] = nowMs;
}

std::optional<StandingRefusal> QueryPacer::Refusal(const std::string& server,
                                                   std::int64_t nowMs) const {
    if (refusing_.contains(server)) return StandingRefusal{QueryFailure::RefusesClient, 0};
    const auto it = backOffs_.find(server);
    if (it == backOffs_.end() || nowMs >= it->second.untilMs) return std::nullopt;
    // A steady clock never goes back, but a wait never exceeds the back-off either.
    const std::int64_t waitMs = std::min(it->second.untilMs - nowMs, it->second.lengthMs);
    return StandingRefusal{QueryFailure::AskLessOften, waitMs};
}

std::int64_t QueryPacer::NoteFailure(const std::string& server, QueryFailure failure,
                                     std::int64_t nowMs) {
    if (failure == QueryFailure::RefusesClient) refusing_.insert(server);
    if (failure != QueryFailure::AskLessOften) return 0;
    BackOff& backOff = backOffs_[server];
    backOff.lengthMs =
        backOff.lengthMs == 0 ? kFirstBackOffMs : std::min(backOff.lengthMs * 2, kLongestBackOffMs);
    backOff.untilMs = nowMs + backOff.lengthMs;
    return backOff.lengthMs;
}

}  // namespace horavia
