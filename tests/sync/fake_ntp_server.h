// An NTP server on 127.0.0.1 (UDP) for tests, with the faults a real one or an impostor may show.
#pragma once

#include <QObject>
#include <QUdpSocket>
#include <cstdint>
#include <vector>

namespace horavia::test {

class FakeNtpServer : public QObject {
    Q_OBJECT

  public:
    enum class Mode {
        Normal,          // a proper reply
        Silent,          // reads the request, never answers
        Short,           // 47 bytes
        WrongMode,       // mode 3 (a client's) instead of 4
        WrongOriginate,  // an originate timestamp that is not the request's
        KissOfDeath,     // stratum 0, "RATE" or the code set
        Unsynchronised,  // leap indicator 3
        Stratum16,       // stratum 16: not synchronised
        NoStamps,        // receive and transmit timestamps 0
        OtherPort,       // a proper reply, sent from another port
        ForgedFirst,     // a reply with a wrong originate and a wild time, then a proper one
    };

    explicit FakeNtpServer(Mode mode, QObject* parent = nullptr);
    bool Listen();  // on a free port of 127.0.0.1
    quint16 Port() const { return socket_.localPort(); }

    // The server's clock runs this far ahead of this computer's.
    void SetOffsetMs(double ms) { offsetMs_ = ms; }
    // The four letters a kiss-o'-death carries.
    void SetKissCode(const QByteArray& code) { kissCode_ = code; }
    // Requests received, by the steady clock in ms when each arrived.
    const std::vector<std::int64_t>& Arrivals() const { return arrivals_; }

  private:
    void OnReadyRead();

    QUdpSocket socket_;
    QUdpSocket otherSocket_;
    Mode mode_;
    double offsetMs_ = 0;
    QByteArray kissCode_ = "RATE";
    std::vector<std::int64_t> arrivals_;
};

}  // namespace horavia::test
