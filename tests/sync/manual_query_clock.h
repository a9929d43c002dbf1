// A query clock for tests that moves only when told, so that no test waits out a real
// deadline or pacing interval. A pause passes at once (the clock jumps to its end); a deadline
// comes when timeoutWhen() says no answer will come (the clock then jumps to it).
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <list>
#include <memory>

#include "sync/query_clock.h"

namespace horavia::test {

class ManualQueryClock : public QueryClock {
  public:
    ManualQueryClock() {
        // Looks at the alarms now and then; a test that forgot to say when to give up is not
        // left hanging.
        QObject::connect(&heartbeat_, &QTimer::timeout, [this] { Beat(); });
    }

    std::int64_t NowMs() const override { return nowMs_; }
    void Advance(std::int64_t ms) { nowMs_ += ms; }

    std::unique_ptr<QueryAlarm> AlarmAt(std::int64_t atMs, AlarmKind kind,
                                        std::function<void()> due) override {
        if (kind == AlarmKind::Pause) ++pauses;
        auto alarm = std::make_unique<Alarm>(*this, atMs, kind, std::move(due));
        pending_.push_back(alarm.get());
        if (!heartbeat_.isActive()) heartbeat_.start(2);
        return alarm;
    }

    std::function<bool()> timeoutWhen;
    int pauses = 0;  // pacing pauses asked for

  private:
    static constexpr qint64 kGuardMs = 10'000;

    struct Alarm final : QueryAlarm {
        Alarm(ManualQueryClock& clock, std::int64_t atMs, AlarmKind kind, std::function<void()> due)
            : clock(clock), atMs(atMs), kind(kind), due(std::move(due)) {
            age.start();
        }
        ~Alarm() override { clock.pending_.remove(this); }
        ManualQueryClock& clock;
        std::int64_t atMs;
        AlarmKind kind;
        std::function<void()> due;
        QElapsedTimer age;
    };

    void Beat() {
        for (Alarm* alarm : pending_) {
            const bool due = alarm->kind == AlarmKind::Pause || nowMs_ >= alarm->atMs ||
                             (timeoutWhen && timeoutWhen()) || alarm->age.elapsed() > kGuardMs;
            if (!due) continue;
            nowMs_ = std::max(nowMs_, alarm->atMs);
            pending_.remove(alarm);
            // The call may destroy the alarm; one per beat, the list may change meanwhile.
            const std::function<void()> call = alarm->due;
            call();
            return;
        }
        if (pending_.empty()) heartbeat_.stop();
    }

    std::int64_t nowMs_ = 1'000'000;
    std::list<Alarm*> pending_;
    QTimer heartbeat_;
};

}  // namespace horavia::test
