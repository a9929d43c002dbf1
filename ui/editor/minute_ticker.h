// A signal at each new minute of the program's clock: the night side of a map moves a quarter
// of a degree a minute, so a map showing "now" is drawn again once a minute, not each second.
#pragma once

#include <QObject>
#include <QTimer>

#include "model/services.h"

namespace horavia {

class MinuteTicker : public QObject {
    Q_OBJECT

  public:
    MinuteTicker(ClockSource& clock, QObject* parent = nullptr);

    // Ticks from the next minute of the clock until stopped; starting again re-aligns.
    void start();
    void stop();
    bool isActive() const { return timer_.isActive(); }

  signals:
    void minuteBegan();

  private:
    void armForNextMinute();

    ClockSource& clock_;
    QTimer timer_;
};

}  // namespace horavia
