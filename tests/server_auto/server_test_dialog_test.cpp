#include "ui/setup/server_test_dialog.h"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <map>
#include <memory>

#include "sync/time_query.h"
#include "tests/sync/fake_time_server.h"
#include "tests/sync/sync_fakes.h"

namespace horavia {
namespace {

using test::FakeTimeServer;

// Real queries over loopback: each host name stands for one test server's port; any other
// name goes to a port nobody listens on.
class LoopbackQuery : public TimeQueryPort {
  public:
    LoopbackQuery() {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        deadPort_ = probe.serverPort();
    }
    void Add(const std::string& host, quint16 port) { ports_[host] = port; }
    bool StartQuery(const std::string& sServer, AnswerHandler done) override {
        asked.push_back(sServer);
        // Each query lives as long as the test: one may end from within another's answer.
        queries_.push_back(std::make_unique<TimeQuery>(PortOf(sServer)));
        return queries_.back()->StartQuery("127.0.0.1", std::move(done));
    }
    std::vector<std::string> asked;

  private:
    quint16 PortOf(const std::string& host) const {
        const auto it = ports_.find(host);
        return it == ports_.end() ? deadPort_ : it->second;
    }

    std::vector<std::unique_ptr<TimeQuery>> queries_;
    std::map<std::string, quint16> ports_;
    quint16 deadPort_ = 0;
};

constexpr DayCount kNowUtc = 46037.5;  // 2026-01-15 12:00:00

class ServerTest : public ::testing::Test {
  protected:
    // A server on loopback that is `offsetSeconds` ahead of this computer's fixed clock.
    FakeTimeServer& Server(const std::string& host, std::int32_t offsetSeconds,
                           FakeTimeServer::Mode mode = FakeTimeServer::Mode::Normal) {
        servers_.push_back(std::make_unique<FakeTimeServer>(mode));
        FakeTimeServer& server = *servers_.back();
        EXPECT_TRUE(server.Listen());
        server.SetSeconds(
            static_cast<std::uint32_t>(std::llround((kNowUtc - 2.0) * 86400.0) + offsetSeconds));
        query.Add(host, server.Port());
        return server;
    }
    std::optional<std::string> Run(const std::vector<std::string>& list,
                                   const std::string& comboText) {
        window = std::make_unique<ServerTestDialog>(query, clock, messages);
        window->show();
        return RunTests(list, comboText);
    }
    // The run on the window there is, the event loop running until it is over.
    std::optional<std::string> RunTests(const std::vector<std::string>& list,
                                        const std::string& comboText) {
        QSignalSpy finished(window.get(), &ServerTestDialog::testsFinished);
        window->testServers(list, comboText);
        EXPECT_TRUE(finished.wait(10'000));
        return window->chosenServer();
    }
    QListWidget* ProgressList() const {
        auto* list = window->findChild<QListWidget*>(QStringLiteral("progressList"));
        EXPECT_NE(list, nullptr);
        return list;
    }
    std::vector<std::string> Progress() const {
        std::vector<std::string> lines;
        const QListWidget* list = ProgressList();
        for (int i = 0; list != nullptr && i < list->count(); ++i)
            lines.push_back(list->item(i)->text().toStdString());
        return lines;
    }

    // The computer in UTC+1: its local clock reads 13:00 at 12:00 UTC.
    FixedClock clock{kNowUtc + 1.0 / 24.0, -60};
    LoopbackQuery query;
    test::FakeMessageBox messages;
    std::unique_ptr<ServerTestDialog> window;

  private:
    std::vector<std::unique_ptr<FakeTimeServer>> servers_;
};

TEST_F(ServerTest, OneAnsweringServerIsProposedAndTakenOnYes) {
    Server("good", 3);
    EXPECT_EQ(Run({"dead-a", "good", "dead-b"}, "typed"), "good");
    // The combo's own text first, then the list in order; the last line selected.
    EXPECT_EQ(query.asked, (std::vector<std::string>{"typed", "dead-a", "good", "dead-b"}));
    EXPECT_EQ(Progress(), query.asked);
    EXPECT_EQ(ProgressList()->currentRow(), 3);
    ASSERT_EQ(messages.shown.size(), 1u);
    const std::string& text = messages.shown[0].text;
    EXPECT_EQ(text.rfind("Do you want to use this server :\n\nName: good\nRespons time: ", 0), 0u);
    EXPECT_NE(text.find(" ms\nDifference with local time: 3 s"), std::string::npos) << text;
    EXPECT_EQ(messages.shown[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::None);
    EXPECT_FALSE(window->isVisible());

    messages.answer = MsgAnswer::No;
    EXPECT_FALSE(Run({"good"}, "good").has_value());
}

TEST_F(ServerTest, DeadFirstEntryIsNeverProposed) {
    // Both answering servers are far from their mean (0), so they score above 5000.
    Server("ahead", 10000);
    Server("behind", -10000);
    const auto chosen = Run({"dead", "ahead", "behind"}, "dead");
    ASSERT_TRUE(chosen.has_value());
    EXPECT_NE(*chosen, "dead");
}

TEST_F(ServerTest, CancelDuringTheFirstTestClosesWithoutAQuestion) {
    FakeTimeServer& typed = Server("slow", 0, FakeTimeServer::Mode::Delayed);
    typed.SetPauseMs(400);
    FakeTimeServer& first = Server("first", 0);
    window = std::make_unique<ServerTestDialog>(query, clock, messages);
    window->show();
    auto* cancel = window->findChild<QPushButton*>(QStringLiteral("cancelButton"));
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(cancel->text(), QStringLiteral("Cancel"));
    QTimer::singleShot(100, cancel, [cancel] { QTest::mouseClick(cancel, Qt::LeftButton); });
    EXPECT_FALSE(RunTests({"first", "second"}, "slow").has_value());
    EXPECT_EQ(first.Accepted(), 0);
    EXPECT_EQ(Progress(), std::vector<std::string>{"slow"});
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(window->isVisible());
}

TEST_F(ServerTest, NoServerAnswers) {
    EXPECT_FALSE(Run({"a", "b"}, "").has_value());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "No active servers found...\nCheck your internet connection!");
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::Exclamation);
    EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace horavia
