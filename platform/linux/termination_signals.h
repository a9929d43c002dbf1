// The requests to end the program that arrive as signals (SIGTERM at log-out or from a service
// manager, SIGINT, SIGHUP), turned into a Qt signal on the event loop through a self-pipe.
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <memory>

namespace horavia {

class TerminationSignals : public QObject {
    Q_OBJECT

  public:
    // Installs the handlers; only one object may exist at a time.
    explicit TerminationSignals(QObject* parent = nullptr);
    // Puts the default handlers back.
    ~TerminationSignals() override;

  signals:
    void terminationRequested(int signalNumber);

  private:
    void Drain();
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace horavia
