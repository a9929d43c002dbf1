// A Time Protocol server on 127.0.0.1 for tests, with the faults a real one may show.
#pragma once

#include <QObject>
#include <QTcpServer>
#include <cstdint>
#include <string>

namespace horavia::test {

class FakeTimeServer : public QObject {
    Q_OBJECT

  public:
    enum class Mode {
        Normal,      // four bytes, then close
        Silent,      // accept and never send
        ThreeBytes,  // three bytes, stay open
        EightBytes,  // the four bytes and four more in one write, then close
        TwoThenTwo,  // two bytes, the other two after a pause
        Reset,       // accept, then reset the connection
        Delayed,     // four bytes after a pause, then close
    };

    explicit FakeTimeServer(Mode mode, QObject* parent = nullptr);
    bool Listen();  // on a free port
    quint16 Port() const { return server_.serverPort(); }

    void SetSeconds(std::uint32_t seconds) { seconds_ = seconds; }
    void SetPauseMs(int ms) { pauseMs_ = ms; }
    int Accepted() const { return accepted_; }
    int ClosedByClient() const { return closedByClient_; }

    // RFC 868 seconds of the current UTC time, and their four bytes.
    static std::uint32_t NowSeconds();
    static std::string Encode(std::uint32_t seconds);

  private:
    void OnNewConnection();

    QTcpServer server_;
    Mode mode_;
    std::uint32_t seconds_;
    int pauseMs_ = 300;
    int accepted_ = 0;
    int closedByClient_ = 0;
};

}  // namespace horavia::test
