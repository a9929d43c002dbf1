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

}  // namespace horavia
