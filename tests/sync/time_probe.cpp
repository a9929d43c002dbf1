// A command-line front for the integration test: `time_probe SERVER PORT` queries one time
// server (over NTP when SERVER is "ntp:HOST") on that port and prints what
// `horavia --test-server` prints; `time_probe --free-port` prints a
// TCP port on 127.0.0.1 that is free at this moment.
#include <QCoreApplication>
#include <QTcpServer>
#include <QTextStream>
#include <cstdio>

#include "sync/test_server_command.h"
#include "ui/main/message_text.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList args = app.arguments();
    if (args.size() == 2 && args[1] == "--free-port") {
        QTcpServer server;
        if (!server.listen(QHostAddress::LocalHost, 0)) return 2;
        out << server.serverPort() << '\n';
        return 0;
    }
    bool portOk = false;
    const uint port = args.size() == 3 ? args[2].toUInt(&portOk) : 0;
    if (!portOk || port == 0 || port > 65535) {
        std::fprintf(stderr, "usage: time_probe SERVER PORT | time_probe --free-port\n");
        return 2;
    }
    const auto p = static_cast<quint16>(port);
    return horavia::RunTestServerCommand(args[1], {p, p}, out, [](const horavia::MessageLines& m) {
        return horavia::MessageText(m);
    });
}
