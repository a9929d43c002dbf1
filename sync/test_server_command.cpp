#include "sync/test_server_command.h"

#include <QCoreApplication>

#include "sync/query_failure.h"
#include "sync/server_test_text.h"

namespace horavia {

int RunTestServerCommand(const QString& server, TimeServerPorts ports, QTextStream& out,
                         const MessageRenderer& text) {
    QueryPacer pacer;
    ServerTimeQuery query(&SystemUtcNow, pacer, ports);
    const std::string name = server.toStdString();
    QObject::connect(&query, &ServerTimeQuery::finished, [&](const TimeAnswer& answer) {
        if (!answer.answered) {
            out << text(QueryFailureText(answer.failure, answer.retryInMs,
                                         ConnectionFailedText(answer)))
                << '\n';
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
    });
    query.Start(name);
    // The application's own event loop runs until the answer is in.
    return QCoreApplication::exec();
}

}  // namespace horavia
