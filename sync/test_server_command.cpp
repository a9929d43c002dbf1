#include "sync/test_server_command.h"

#include <QCoreApplication>

#include "sync/query_failure.h"
#include "sync/server_test_text.h"

namespace horavia {

int RunTestServerCommand(const QString& server, TimeServerPorts ports, QTextStream& out,
                         const MessageRenderer& text, const ServerQueryFactory& makeQuery) {
    QueryPacer pacer;
    const std::unique_ptr<ServerQueryPort> query =
        makeQuery ? makeQuery(QuerySetup{&SystemUtcNow, &pacer, ports, {}}) : nullptr;
    const std::string name = server.toStdString();
    const auto tell = [&](const TimeAnswer& answer) {
        if (!answer.answered) {
            out << text(UnansweredText(answer, ConnectionFailedText(answer))) << '\n';
            out.flush();
            QCoreApplication::exit(1);
            return;
        }
        // The computer's clock in UTC, which is local time + bias read in one step.
        const ServerDifference difference =
            MeasureServerDifference(name, answer.serverUtc, SystemUtcNow());
        MessageLines result = ServerTestText(name, answer.lRespons, difference);
        Append(result, AnswerDetails(answer));
        out << text(result) << '\n';
        out.flush();
        QCoreApplication::exit(0);
    };
    if (!query) {
        tell(TimeAnswer{});  // nothing could ask: as a server that did not answer
        return 1;
    }
    query->StartQuery(name, tell);
    // The application's own event loop runs until the answer is in.
    return QCoreApplication::exec();
}

}  // namespace horavia
