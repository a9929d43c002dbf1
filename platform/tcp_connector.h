// Connects a QAbstractSocket to a host by name, one attempt per resolved address.
#pragma once

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QTcpSocket>
#include <memory>

#include "platform/host_lookup.h"
#include "platform/native_tcp.h"

class QSocketNotifier;

namespace horavia {

class TcpConnector : public QObject {
    Q_OBJECT

  public:
    // The connected descriptor is handed to target, which then reads and closes it as usual.
    explicit TcpConnector(QAbstractSocket& target, QObject* parent = nullptr);
    ~TcpConnector() override;

    // Resolves host (a numeric address is used as it is) and tries its addresses in order, once
    // each, until one connects. A lookup that is dropped is left to end on its own thread. Exactly
    // one of Connected or Failed follows, always from the event loop, never from within Start. An
    // attempt under way is dropped first.
    void Start(const QString& host, quint16 port);
    // Drops the lookup or attempt under way; no signal follows.
    void Abort();

    // Connection attempts made since the last Start.
    int Attempts() const { return attempts_; }

  signals:
    void Connected();
    void Failed();

  private:
    void TryNextAddress();
    void OnWritable();
    void DropPendingSocket();

    QAbstractSocket& target_;
    QList<QHostAddress> addresses_;
    quint16 port_ = 0;
    HostLookup lookup_;
    unsigned generation_ = 0;  // results of a dropped Start are ignored
    int attempts_ = 0;
    NativeSocket pending_ = kNoNativeSocket;
    std::unique_ptr<QSocketNotifier> writable_;
};

}  // namespace horavia
