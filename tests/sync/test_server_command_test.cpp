#include "sync/test_server_command.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTcpServer>

#include "fake_time_server.h"
#include "ui/main/message_text.h"

namespace horavia {
namespace {

using test::FakeTimeServer;

struct CommandRun {
    int code = -1;
    QString output;
};

CommandRun RunCommand(const QString& host, quint16 port) {
    CommandRun run;
    QTextStream out(&run.output);
    run.code = RunTestServerCommand(host, {port, port}, out,
                                    [](const MessageLines& m) { return MessageText(m); });
    return run;
}

// Server ahead by `skew` seconds: the printed difference is the skew, give or take the
// second that may tick over between the server's answer and the reading of the clock.
TEST(TestServerCommand, PrintsNameResponseTimeAndDifference) {
    for (std::int64_t skew : {0, 3725, -90061}) {
        FakeTimeServer server(FakeTimeServer::Mode::Normal);
        server.SetSeconds(static_cast<std::uint32_t>(FakeTimeServer::NowSeconds() + skew));
        ASSERT_TRUE(server.Listen());
        const CommandRun run = RunCommand("127.0.0.1", server.Port());
        EXPECT_EQ(run.code, 0);
        const QRegularExpression lines(
            "^Name: 127\\.0\\.0\\.1\\nRespons time: (\\d+) ms\\n"
            "Difference with local time: (-?\\d+) s\\n$");
        const auto match = lines.match(run.output);
        ASSERT_TRUE(match.hasMatch()) << run.output.toStdString();
        EXPECT_LT(match.captured(1).toInt(), 2000);
        const qlonglong difference = match.captured(2).toLongLong();
        EXPECT_GE(difference, skew - 1) << run.output.toStdString();
        EXPECT_LE(difference, skew + 1) << run.output.toStdString();
    }
}

TEST(TestServerCommand, ReportsAFailedConnection) {
    quint16 closedPort = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        closedPort = probe.serverPort();
    }
    const CommandRun run = RunCommand("127.0.0.1", closedPort);
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.output, "Connection failed!\n");
}

}  // namespace
}  // namespace horavia
