#include "sync/event_wait.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace horavia {

void WaitWithEventLoop(const std::function<bool()>& done, const CStopWatch& watch,
                       std::int32_t budgetMs) {
    bool timedOut = false;
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    QObject::connect(&deadline, &QTimer::timeout, [&] {
        const std::int32_t elapsed = watch.Elapsed();
        if (elapsed >= budgetMs) {
            timedOut = true;
        } else {
            deadline.start(budgetMs - elapsed);  // woken a little early
        }
    });
    const std::int32_t startElapsed = watch.Elapsed();
    deadline.start(startElapsed < budgetMs ? budgetMs - startElapsed : 0);

    while (!done() && !timedOut && watch.Elapsed() < budgetMs) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

}  // namespace horavia
