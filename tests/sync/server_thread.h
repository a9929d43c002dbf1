// A fake time server in a thread of its own, so that the CPU a measurement reads is the
// client's alone.
#pragma once

#include <QThread>
#include <atomic>
#include <cstdlib>
#include <functional>

namespace horavia::test {

template <class Server>
class ServerThread : public QThread {
  public:
    using Setup = std::function<void(Server&)>;
    ServerThread(typename Server::Mode mode, Setup setup = {}) : mode_(mode), setup_(setup) {}
    quint16 Port() {
        while (port_.load() == 0) QThread::msleep(1);
        return port_.load();
    }

  protected:
    void run() override {
        Server server(mode_);
        if (setup_) setup_(server);
        if (!server.Listen()) std::abort();
        port_.store(server.Port());
        exec();
    }

  private:
    typename Server::Mode mode_;
    Setup setup_;
    std::atomic<quint16> port_{0};
};

}  // namespace horavia::test
