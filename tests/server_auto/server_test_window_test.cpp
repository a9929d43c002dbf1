#include "sync/server_test_window.h"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QTcpServer>
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
    bool GetAtomTime(const std::string& sServer, DayCount& dAtomDate,
                     std::int32_t& lRespons) override {
        asked.push_back(sServer);
        const auto it = ports_.find(sServer);
        TimeQuery query(it == ports_.end() ? deadPort_ : it->second);
        return query.GetAtomTime("127.0.0.1", dAtomDate, lRespons);
    }
    std::vector<std::string> asked;

  private:
    std::map<std::string, quint16> ports_;
    quint16 deadPort_ = 0;
};

// Scripted answers with chosen response times, for exact scores.
class ScriptedQuery : public TimeQueryPort {
  public:
    struct Reply {
        DayCount utc;
        std::int32_t respons;
    };
    std::map<std::string, Reply> replies;
    bool GetAtomTime(const std::string& sServer, DayCount& dAtomDate,
                     std::int32_t& lRespons) override {
        const auto it = replies.find(sServer);
        if (it == replies.end()) return false;
        dAtomDate = it->second.utc;
        lRespons = it->second.respons;
        return true;
    }
};

constexpr DayCount kNowUtc = 46037.5;  // 2026-01-15 12:00:00

std::uint32_t ProtocolSeconds(std::int32_t offsetSeconds) {
    return static_cast<std::uint32_t>(std::llround((kNowUtc - 2.0) * 86400.0) + offsetSeconds);
}

class ServerTest : public ::testing::Test {
  protected:
    // A server on loopback that is `offsetSeconds` ahead of this computer's (fixed) clock.
    FakeTimeServer& Server(const std::string& host, std::int32_t offsetSeconds,
                           FakeTimeServer::Mode mode = FakeTimeServer::Mode::Normal) {
        servers_.push_back(std::make_unique<FakeTimeServer>(mode));
        FakeTimeServer& server = *servers_.back();
        EXPECT_TRUE(server.Listen());
        server.SetSeconds(ProtocolSeconds(offsetSeconds));
        query.Add(host, server.Port());
        return server;
    }
    std::optional<std::string> Run(const std::vector<std::string>& list,
                                   const std::string& comboText, TimeQueryPort& port) {
        window = std::make_unique<frmSTAuto>(port, clock, localZone, messages);
        window->show();
        return window->DoIt(list, comboText);
    }
    std::vector<std::string> Progress() const {
        std::vector<std::string> lines;
        for (int i = 0; i < window->lstProgress->count(); ++i)
            lines.push_back(window->lstProgress->item(i)->text().toStdString());
        return lines;
    }

    // The computer in UTC+1: its local clock reads 13:00 at 12:00 UTC.
    FixedClock clock{kNowUtc + 1.0 / 24.0};
    FixedLocalZone localZone{LocalZoneState{-60, false}};
    LoopbackQuery query;
    test::FakeMessageBox messages;
    std::unique_ptr<frmSTAuto> window;

  private:
    std::vector<std::unique_ptr<FakeTimeServer>> servers_;
};

TEST_F(ServerTest, WindowAndControls) {
    frmSTAuto w(query, clock, localZone, messages);
    EXPECT_EQ(w.windowTitle(), "Testing time servers...");
    EXPECT_EQ(w.cmdCancel->text(), "Cancel");
    EXPECT_FALSE(w.bCancel);
    w.cmdCancel->click();
    EXPECT_TRUE(w.bCancel);
}

TEST_F(ServerTest, OneAnsweringServerIsProposedAndTakenOnYes) {
    Server("good", 3);
    messages.answer = MsgAnswer::Yes;
    const auto chosen = Run({"dead-a", "good", "dead-b"}, "typed", query);
    EXPECT_EQ(chosen, "good");
    // The combo's own text first, then the list in order; the last line selected.
    EXPECT_EQ(query.asked, (std::vector<std::string>{"typed", "dead-a", "good", "dead-b"}));
    EXPECT_EQ(Progress(), query.asked);
    EXPECT_EQ(window->lstProgress->currentRow(), 3);
    ASSERT_EQ(messages.shown.size(), 1u);
    const test::ShownMessage& q = messages.shown[0];
    EXPECT_EQ(q.title, "Horavia");
    EXPECT_EQ(q.buttons, MsgButtons::YesNo);
    EXPECT_EQ(q.icon, MsgIcon::None);
    EXPECT_EQ(
        q.text.rfind("Do you want to use this server :\r\n\r\nName: good\r\nRespons time: ", 0), 0u)
        << q.text;
    EXPECT_NE(q.text.find(" ms\r\nDifference with local time: 3 s"), std::string::npos) << q.text;
    EXPECT_FALSE(window->isVisible());
}

TEST_F(ServerTest, AnswerNoKeepsTheText) {
    Server("good", 0);
    messages.answer = MsgAnswer::No;
    EXPECT_FALSE(Run({"good"}, "typed", query).has_value());
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(ServerTest, DeadFirstEntryIsNeverProposed) {
    // Both answering servers are far from their mean (0), so they score above 5000.
    Server("ahead", 10000);
    Server("behind", -10000);
    const auto chosen = Run({"dead", "ahead", "behind"}, "dead", query);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_NE(*chosen, "dead");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("Difference with local time: "), std::string::npos);
}

TEST_F(ServerTest, TheTypedServerInTheListIsTestedTwice) {
    FakeTimeServer& server = Server("both", 1);
    Run({"both", "other"}, "both", query);
    EXPECT_EQ(server.Accepted(), 2);
    EXPECT_EQ(Progress(), (std::vector<std::string>{"both", "both", "other"}));
}

TEST_F(ServerTest, CancelDuringTheFirstTestClosesWithoutAQuestion) {
    FakeTimeServer& typed = Server("slow", 0, FakeTimeServer::Mode::Delayed);
    typed.SetPauseMs(400);
    FakeTimeServer& first = Server("first", 0);
    window = std::make_unique<frmSTAuto>(query, clock, localZone, messages);
    window->show();
    QTimer::singleShot(100, window->cmdCancel, &QPushButton::click);
    const auto chosen = window->DoIt({"first", "second"}, "slow");
    EXPECT_FALSE(chosen.has_value());
    EXPECT_EQ(typed.Accepted(), 1);
    EXPECT_EQ(first.Accepted(), 0);
    EXPECT_EQ(Progress(), std::vector<std::string>{"slow"});
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(window->isVisible());
}

TEST_F(ServerTest, ClosingTheWindowDuringARunStopsIt) {
    FakeTimeServer& typed = Server("slow", 0, FakeTimeServer::Mode::Delayed);
    typed.SetPauseMs(300);
    window = std::make_unique<frmSTAuto>(query, clock, localZone, messages);
    window->show();
    QTimer::singleShot(100, window.get(), &QWidget::close);
    EXPECT_FALSE(window->DoIt({"first"}, "slow").has_value());
    EXPECT_EQ(query.asked, std::vector<std::string>{"slow"});
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ServerTest, NoServerAnswers) {
    const auto chosen = Run({"a", "b"}, "", query);
    EXPECT_FALSE(chosen.has_value());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "No active servers found...\r\nCheck your internet connection!");
    EXPECT_EQ(messages.shown[0].title, "Horavia");
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(messages.shown[0].buttons, MsgButtons::Ok);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(ServerTest, WorkedExampleThroughTheWindow) {
    ScriptedQuery scripted;
    scripted.replies["a"] = {kNowUtc + 2 / 86400.0, 100};
    scripted.replies["b"] = {kNowUtc, 105};
    scripted.replies["c"] = {kNowUtc - 2 / 86400.0, 90};
    EXPECT_EQ(Run({"a", "b", "c"}, "", scripted), "c");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "Do you want to use this server :\r\n\r\nName: c\r\nRespons time: 90 ms\r\n"
              "Difference with local time: -2 s");
}

TEST_F(ServerTest, EqualScoresProposeTheLowerIndex) {
    ScriptedQuery scripted;
    scripted.replies["x"] = {kNowUtc + 1 / 86400.0, 70};
    scripted.replies["y"] = {kNowUtc - 1 / 86400.0, 70};
    scripted.replies["own"] = {kNowUtc, 71};
    EXPECT_EQ(Run({"x", "y"}, "own", scripted), "x");
    // The combo's own server loses a tie with a list entry.
    scripted.replies["own"] = {kNowUtc + 1 / 86400.0, 70};
    messages.shown.clear();
    EXPECT_EQ(Run({"dead", "y"}, "own", scripted), "y");
}

}  // namespace
}  // namespace horavia
