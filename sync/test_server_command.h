// `horavia --test-server HOST`: one query, the result printed as the Test button shows it.
#pragma once

#include <QString>
#include <QTextStream>

namespace horavia {

// Prints the server's name, response time and difference with this computer's clock and
// returns 0, or prints "Connection failed!" and returns 1. Needs a QCoreApplication.
int RunTestServerCommand(const QString& host, quint16 port, QTextStream& out);

}  // namespace horavia
