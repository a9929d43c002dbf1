// A query clock for tests that moves only when told, so that no test waits out a real
// deadline or pacing interval. A wait that only time can end passes at once; a query's wait
// ends when its answer is in, or when timeoutWhen() says none will come (the clock then jumps
// to the deadline).
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <functional>

#include "sync/query_clock.h"

namespace horavia::test {

class ManualQueryClock : public QueryClock {
  public:
    std::int64_t NowMs() const override { return nowMs_; }
    void Advance(std::int64_t ms) { nowMs_ += ms; }

    void WaitUntil(const std::function<bool()>& done, std::int64_t untilMs) override {
        ++waits;
        if (!done) {
            nowMs_ = std::max(nowMs_, untilMs);
            return;
        }
        // Wakes the loop now and then to look at timeoutWhen; a test that forgot to say when
        // to give up is not left hanging.
        QTimer heartbeat;
        heartbeat.start(2);
        QElapsedTimer guard;
        guard.start();
        while (!done() && nowMs_ < untilMs) {
            if ((timeoutWhen && timeoutWhen()) || guard.elapsed() > kGuardMs) {
                nowMs_ = std::max(nowMs_, untilMs);
                break;
            }
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
    }

    std::function<bool()> timeoutWhen;
    int waits = 0;

  private:
    static constexpr qint64 kGuardMs = 10'000;
    std::int64_t nowMs_ = 1'000'000;
};

}  // namespace horavia::test
