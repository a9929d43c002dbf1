// Waiting on the user-interface thread without blocking it: the event loop runs, and sleeps
// until something happens, so a wait costs no CPU.
#pragma once

#include <cstdint>
#include <functional>

#include "sync/stop_watch.h"

namespace horavia {

// Runs the event loop until done() is true or the stopwatch reaches budgetMs. A precise timer
// makes sure the loop wakes when the time is up.
void WaitWithEventLoop(const std::function<bool()>& done, const CStopWatch& watch,
                       std::int32_t budgetMs);

}  // namespace horavia
