#include "sync/test_server_command.h"

#include "sync/server_test_text.h"

namespace horavia {

int RunTestServerCommand(const QString& server, TimeServerPorts ports, QTextStream& out) {
    QueryPacer pacer;
    ServerTimeQuery query(&SystemUtcNow, pacer, ports);
    const std::string name = server.toStdString();
    DayCount dAtomDate = 0;
    std::int32_t lRespons = 0;
    if (!query.GetAtomTime(name, dAtomDate, lRespons)) {
        out << kConnectionFailedText << '\n';
        out.flush();
        return 1;
    }
    // The computer's clock in UTC, which is local time + bias read in one step.
    const ServerDifference difference = MeasureServerDifference(name, dAtomDate, SystemUtcNow(), 0);
    out << QString::fromStdString(ServerTestText(name, lRespons, difference, "\n")) << '\n';
    out.flush();
    return 0;
}

}  // namespace horavia
