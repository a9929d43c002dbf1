// The program's heartbeat: one tick per wall-clock second for the program's whole life, woken
// just after each second boundary. It belongs to the program, not to a window, so closing a
// window never stops the tip or the synchronisation schedule.
#pragma once

#include <QObject>
#include <QTimer>

#include "model/services.h"

namespace horavia {

class SecondTicker : public QObject {
    Q_OBJECT

  public:
    explicit SecondTicker(ClockSource& clock, QObject* parent = nullptr);

    // Arms the timer for the next second boundary; ticks follow until stop().
    void start();
    void stop();
    bool isRunning() const { return timer_.isActive(); }

    // Emits tick() when the wall-clock second has changed since the last tick. True when it did.
    // The timer calls it; tests call it after moving their clock.
    bool tickIfNewSecond();

  signals:
    void tick();

  private:
    void arm();

    ClockSource& clock_;
    QTimer timer_;
    int lastSecond_ = -1;
};

}  // namespace horavia
