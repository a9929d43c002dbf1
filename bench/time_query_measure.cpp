// Measures the time-server query: CPU burnt while waiting for a silent server (against a
// spinning wait), the latency of a query on 127.0.0.1, and open file descriptors over many
// queries. Prints the numbers; asserts nothing.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "sync/time_query.h"
#include "tests/sync/answer_wait.h"
#include "tests/sync/fake_time_server.h"
#include "tests/sync/process_usage.h"
#include "tests/sync/server_thread.h"

namespace {

using horavia::Instant;
using horavia::TimeQuery;
using horavia::test::CpuSeconds;
using horavia::test::FakeTimeServer;
using horavia::test::OpenDescriptors;
using ServerThread = horavia::test::ServerThread<FakeTimeServer>;

// The wait as a tight polling loop, for comparison: the same silent connection, 2000 ms.
double SpinningWaitCpu(quint16 port) {
    QTcpSocket socket;
    const double before = CpuSeconds();
    socket.connectToHost("127.0.0.1", port);
    QElapsedTimer wall;
    wall.start();
    while (socket.bytesAvailable() == 0 && wall.elapsed() < 2000) {
        QCoreApplication::processEvents();
    }
    const double used = CpuSeconds() - before;
    socket.abort();
    return used;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);

    ServerThread silent(FakeTimeServer::Mode::Silent);
    silent.start();
    ServerThread normal(FakeTimeServer::Mode::Normal);
    normal.start();

    TimeQuery query(silent.Port());
    Instant date{};
    std::int32_t respons = 0;
    double before = CpuSeconds();
    horavia::test::AwaitAnswer(query, "127.0.0.1", date, respons);
    const double waitCpu = CpuSeconds() - before;
    const double spinCpu = SpinningWaitCpu(silent.Port());
    std::printf(
        "silent server, 2000 ms wait: lRespons %d ms, CPU %.4f s (spinning wait: %.4f s, "
        "ratio %.3f%%)\n",
        respons, waitCpu, spinCpu, spinCpu > 0 ? 100.0 * waitCpu / spinCpu : 0.0);

    TimeQuery fast(normal.Port());
    std::vector<double> micros;
    int failures = 0;
    for (int i = 0; i < 20; ++i)
        horavia::test::AwaitAnswer(fast, "127.0.0.1", date, respons);  // warm up
    const qsizetype fdsBefore = OpenDescriptors();
    before = CpuSeconds();
    for (int i = 0; i < 1000; ++i) {
        QElapsedTimer wall;
        wall.start();
        if (!horavia::test::AwaitAnswer(fast, "127.0.0.1", date, respons)) ++failures;
        micros.push_back(static_cast<double>(wall.nsecsElapsed()) / 1000.0);
    }
    const double queryCpu = CpuSeconds() - before;
    // Let the server thread finish closing its side before counting.
    QThread::msleep(200);
    QCoreApplication::processEvents();
    const qsizetype fdsAfter = OpenDescriptors();
    std::sort(micros.begin(), micros.end());
    double sum = 0;
    for (double m : micros) sum += m;
    std::printf(
        "1000 queries on 127.0.0.1: median %.0f us, p95 %.0f us, max %.0f us, mean %.0f us, "
        "failures %d, client CPU %.3f s\n",
        micros[micros.size() / 2], micros[micros.size() * 95 / 100], micros.back(),
        sum / static_cast<double>(micros.size()), failures, queryCpu);
    std::printf("open file descriptors: %lld before, %lld after 1000 queries\n",
                static_cast<long long>(fdsBefore), static_cast<long long>(fdsAfter));

    // Failed queries must not leak either: a port that nobody listens on.
    quint16 closedPort = 0;
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        closedPort = probe.serverPort();
    }
    TimeQuery refused(closedPort);
    int answered = 0;
    for (int i = 0; i < 1000; ++i) {
        if (horavia::test::AwaitAnswer(refused, "127.0.0.1", date, respons)) ++answered;
    }
    std::printf("open file descriptors after 1000 refused queries: %lld (answered %d)\n",
                static_cast<long long>(OpenDescriptors()), answered);

    silent.quit();
    normal.quit();
    silent.wait();
    normal.wait();
    return 0;
}
