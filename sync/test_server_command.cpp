#include "sync/test_server_command.h"

#include <QDateTime>

#include "sync/server_test_text.h"
#include "sync/time_query.h"

namespace horavia {

int RunTestServerCommand(const QString& host, quint16 port, QTextStream& out) {
    TimeQuery query(port);
    DayCount dAtomDate = 0;
    std::int32_t lRespons = 0;
    const bool answered = query.GetAtomTime(host.toStdString(), dAtomDate, lRespons);
    if (!answered) {
        out << kConnectionFailedText << '\n';
        out.flush();
        return 1;
    }
    // The computer's clock in UTC, which is local time + bias read in one step.
    const DayCount nowUtc = DayCountFromUnixMs(QDateTime::currentMSecsSinceEpoch());
    const std::int64_t difference = ServerDifferenceSeconds(dAtomDate, nowUtc, 0);
    out << QString::fromStdString(ServerTestText(host.toStdString(), lRespons, difference, "\n"))
        << '\n';
    out.flush();
    return 0;
}

}  // namespace horavia
