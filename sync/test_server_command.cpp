#include "sync/test_server_command.h"

#include <QCoreApplication>

#include "sync/query_failure.h"
#include "sync/server_test_text.h"

namespace horavia {

int RunTestServerCommand(const QString& server, TimeServerPorts ports, QTextStream& out) {
    QueryPacer pacer;
    ServerTimeQuery query(&SystemUtcNow, pacer, ports);
    const std::string name = server.toStdString();
    QObject::connect(&query, &ServerTimeQuery::finished, [&](const TimeAnswer& answer) {
        if (!answer.answered) {
            out << QString::fromStdString(QueryFailureText(answer.failure, answer.retryInMs,
                                                           ConnectionFailedText(answer, "\n")))
                << '\n';
            out.flush();
            QCoreApplication::exit(1);
            return;
        }
        // The computer's clock in UTC, which is local time + bias read in one step.
        const ServerDifference difference =
            MeasureServerDifference(name, answer.serverUtc, SystemUtcNow());
        out << QString::fromStdString(ServerTestText(name, answer.lRespons, difference, "\n") +
                                      AnswerDetails(answer, "\n"))
            << '\n';
        out.flush();
        QCoreApplication::exit(0);
    });
    query.Start(name);
    // The application's own event loop runs until the answer is in.
    return QCoreApplication::exec();
}

}  // namespace horavia
