// `horavia --test-server SERVER`: one query, the result printed as the Test button shows it.
#pragma once

#include <QString>
#include <QTextStream>
#include <functional>

#include "model/message.h"
#include "sync/server_query_factory.h"

namespace horavia {

// Asks the server ("ntp:HOST" over NTP, a plain host over the Time Protocol) and prints its
// name, response time and difference with this computer's clock (with the milliseconds for
// NTP) and returns 0, or prints why it gave no time ("Connection failed!" when it did not
// answer) and returns 1. Runs the application's
// event loop until the answer is in: needs a QCoreApplication whose loop is not running. text
// turns the result into the user's language, a line for each message. makeQuery makes the query
// (MakeServerTimeQuery by default).
using MessageRenderer = std::function<QString(const MessageLines&)>;
int RunTestServerCommand(const QString& server, TimeServerPorts ports, QTextStream& out,
                         const MessageRenderer& text,
                         const ServerQueryFactory& makeQuery = MakeServerTimeQuery);

}  // namespace horavia
