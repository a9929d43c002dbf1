// `nts_probe HOST KEPORT COUNT`: COUNT NTS queries in a row to one server, sharing their
// cookies as the program does, each printed with its offset, delay and traffic; then the key
// exchanges made, the time to the first authenticated answer and the CPU per query. Exits 0
// when every query was answered and authenticated with one key exchange in all, as cookie
// renewal promises.
#include <QCoreApplication>
#include <QTextStream>
#include <chrono>

#include "process_usage.h"
#include "sync/nts_query.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList args = app.arguments();
    bool portOk = false;
    bool countOk = false;
    const uint port = args.size() == 4 ? args[2].toUInt(&portOk) : 0;
    const int count = args.size() == 4 ? args[3].toInt(&countOk) : 0;
    if (!portOk || !countOk || port == 0 || port > 65535 || count < 1) {
        out << "usage: nts_probe HOST KEPORT COUNT\n";
        return 2;
    }
    using namespace horavia;
    NtsCookieJar jar;
    NtsQuery query(&SystemUtcNow, jar);
    const std::string host = args[1].toStdString();
    const auto started = std::chrono::steady_clock::now();
    const double cpuBefore = test::CpuSeconds();
    double firstAnswerMs = -1;
    int good = 0;
    int done = 0;
    QObject::connect(&query, &NtsQuery::finished, [&](const TimeAnswer& answer) {
        const NtsTraffic& t = query.Traffic();
        if (firstAnswerMs < 0 && answer.authenticated) {
            firstAnswerMs = std::chrono::duration<double, std::milli>(
                                std::chrono::steady_clock::now() - started)
                                .count();
        }
        out << "query " << done + 1 << ": " << (answer.authenticated ? "authenticated" : "FAILED")
            << " offset " << answer.offsetMs.value_or(0) << " ms delay "
            << answer.delayMs.value_or(0) << " ms; key exchange " << (t.keyExchange ? "yes" : "no")
            << " (" << t.keyExchangeBytesSent << " B sent, " << t.keyExchangeBytesReceived
            << " B received), NTP " << t.ntpBytesSent << " B sent, " << t.ntpBytesReceived
            << " B received";
        if (answer.problem && !answer.problem->args.empty()) {
            out << "; " << QString::fromStdString(answer.problem->args[0]);
        }
        out << '\n';
        if (answer.answered && answer.authenticated) ++good;
        if (++done < count) {
            query.Start(host, static_cast<std::uint16_t>(port));
        } else {
            QCoreApplication::exit(0);
        }
    });
    query.Start(host, static_cast<std::uint16_t>(port));
    QCoreApplication::exec();
    const double cpuMs = (test::CpuSeconds() - cpuBefore) * 1000.0;
    out << "key exchanges: " << query.KeyExchanges() << "; first authenticated answer after "
        << firstAnswerMs << " ms; CPU " << cpuMs / count << " ms per query (" << cpuMs << " ms for "
        << count << ")\n";
    return good == count && query.KeyExchanges() == 1 ? 0 : 1;
}
