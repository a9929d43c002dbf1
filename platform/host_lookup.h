// Looking a host name up on a thread of its own. The system resolver cannot be interrupted,
// and one that hangs (a name server that never answers) may take many seconds: a lookup that
// is no longer wanted is left to finish alone, holding up neither the event loop nor the
// program's exit.
#pragma once

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>
#include <memory>

namespace horavia {

class HostLookup : public QObject {
    Q_OBJECT

  public:
    explicit HostLookup(QObject* parent = nullptr);
    ~HostLookup() override;

    // Starts looking host up (a lookup under way is dropped first). Finished follows from the
    // event loop, never from within Start.
    void Start(const QString& host);
    // Drops the lookup under way: its result is never delivered.
    void Abort();

  signals:
    // The addresses in the resolver's order; empty when the name does not resolve.
    void Finished(const QList<QHostAddress>& addresses);

  private:
    struct Pending;
    std::shared_ptr<Pending> pending_;
};

}  // namespace horavia
