// Measures the NTP query against each fault a server (or an impostor) may show: the result,
// the response time, the wall time and the CPU the client spent, and the descriptors left
// open. The fake server runs in its own thread so that the CPU figures are the client's.
// Prints a table; asserts nothing.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

#include "sync/sntp_query.h"
#include "tests/sync/answer_wait.h"
#include "tests/sync/fake_ntp_server.h"
#include "tests/sync/process_usage.h"
#include "tests/sync/server_thread.h"

namespace {

using horavia::Instant;
using horavia::SntpQuery;
using horavia::test::CpuSeconds;
using horavia::test::FakeNtpServer;
using horavia::test::OpenDescriptors;
using ServerThread = horavia::test::ServerThread<FakeNtpServer>;

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const struct {
        const char* what;
        FakeNtpServer::Mode mode;
    } cases[] = {
        {"proper reply (1234 ms ahead)", FakeNtpServer::Mode::Normal},
        {"no reply", FakeNtpServer::Mode::Silent},
        {"short packet (47 bytes)", FakeNtpServer::Mode::Short},
        {"wrong mode (3)", FakeNtpServer::Mode::WrongMode},
        {"wrong originate timestamp", FakeNtpServer::Mode::WrongOriginate},
        {"stratum 0, kiss-o'-death RATE", FakeNtpServer::Mode::KissOfDeath},
        {"leap indicator 3", FakeNtpServer::Mode::Unsynchronised},
        {"reply from another port", FakeNtpServer::Mode::OtherPort},
        {"forged reply, then the real one", FakeNtpServer::Mode::ForgedFirst},
    };
    std::printf("%-34s %-8s %9s %9s %9s %6s\n", "server", "result", "respons", "wall", "CPU",
                "fds");
    for (const auto& c : cases) {
        ServerThread server(c.mode, [](FakeNtpServer& s) { s.SetOffsetMs(1234); });
        server.start();
        SntpQuery query(&horavia::SystemUtcNow, server.Port());
        const qsizetype fds = OpenDescriptors();
        Instant date{};
        std::int32_t respons = 0;
        QElapsedTimer wall;
        wall.start();
        const double cpu = CpuSeconds();
        const bool answered = horavia::test::AwaitAnswer(query, "127.0.0.1", date, respons);
        const double used = CpuSeconds() - cpu;
        const qint64 wallMs = wall.elapsed();
        std::printf("%-34s %-8s %6d ms %6lld ms %6.1f ms %+6lld\n", c.what,
                    answered ? "answer" : "false", respons, static_cast<long long>(wallMs),
                    used * 1000.0, static_cast<long long>(OpenDescriptors() - fds));
        server.quit();
        server.wait();
    }
    return 0;
}
