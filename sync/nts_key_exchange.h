// NTS key establishment (RFC 8915, section 4): TLS 1.3 over one TCP connection, driven by the
// socket's signals. The TLS engine works on memory buffers, so that nothing ever blocks.
#pragma once

#include <QObject>
#include <QTcpSocket>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/tcp_connector.h"
#include "sync/nts_records.h"

namespace horavia {

// What an exchange agreed on: the keys of both directions, the cookies and where to ask for
// the time. When it failed, only problem is set.
struct NtsAssociation {
    std::string problem;
    std::string c2sKey;
    std::string s2cKey;
    std::vector<std::string> cookies;
    std::string ntpServer;
    std::uint16_t ntpPort = 0;
};

class NtsKeyExchange : public QObject {
    Q_OBJECT

  public:
    explicit NtsKeyExchange(QObject* parent = nullptr);
    ~NtsKeyExchange() override;

    // Connects to host:port, checks its certificate against the system's trust (the name, or
    // the address when host is one), and negotiates. finished follows once, always from the
    // event loop, never from within Start. A running exchange is dropped first.
    void Start(const std::string& host, std::uint16_t port);
    // Drops the exchange under way; no signal follows.
    void Abort();

    // Bytes sent and received on the connection by the last exchange, TLS included.
    std::int64_t BytesSent() const { return bytesSent_; }
    std::int64_t BytesReceived() const { return bytesReceived_; }

  signals:
    void finished(const horavia::NtsAssociation& association);

  private:
    struct Tls;
    void OnConnected();
    void OnReadyRead();
    void OnEnded();
    // Moves the TLS conversation on as far as the bytes in hand allow.
    void Advance();
    void Flush();
    // The exchange's outcome is posted; the connection is closed.
    void Finish(NtsAssociation association);
    void Fail(const std::string& problem);

    QTcpSocket socket_;
    TcpConnector connector_;
    std::unique_ptr<Tls> tls_;
    std::string host_;
    NtsKeResponseReader response_;
    bool requestSent_ = false;
    bool running_ = false;
    unsigned generation_ = 0;  // a dropped exchange's posted outcome is not delivered
    std::int64_t bytesSent_ = 0;
    std::int64_t bytesReceived_ = 0;
};

}  // namespace horavia

Q_DECLARE_METATYPE(horavia::NtsAssociation)
