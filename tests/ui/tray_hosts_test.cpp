// The icon on every kind of notification area: one that appears after the program started,
// one that shows no tips and opens the menu on a click, and the sign of a running
// synchronisation.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "fake_time_server.h"
#include "program_fixture.h"
#include "ui/main/program_icon.h"

namespace horavia {
namespace {

using testing::ProgramTest;

QImage Drawn(const QIcon& icon) {
    return icon.pixmap(QSize(22, 22)).toImage();
}

TEST_F(ProgramTest, TheIconComesWhenANotificationAreaAppearsAndTheWindowStays) {
    store.Save("ShowWnd", "False");
    trayAvailable = false;
    Program& ti = Start();
    EXPECT_FALSE(ti.tray().isIconAdded());
    EXPECT_TRUE(MainVisible()) << "without an area the window is the way in";
    EXPECT_EQ(store.Value("ShowWnd"), "True");
    ASSERT_TRUE(NextSecond());

    area->appear();  // the panel starts after the program
    ASSERT_TRUE(ti.tray().isIconAdded());
    EXPECT_EQ(ti.tray().tip(), QStringLiteral("Zulu: 11:30 - Swatch: @521"))
        << "the tip of the last tick, not the start-up one";
    auto* icon = ti.tray().findChild<QSystemTrayIcon*>(QStringLiteral("trayIcon"));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->contextMenu(), &Menu());
    EXPECT_TRUE(MainVisible()) << "a window the user sees is not taken away";
    EXPECT_EQ(ShowItem()->text(), QStringLiteral("&Hide"));
    Activate(QSystemTrayIcon::DoubleClick);
    EXPECT_FALSE(MainVisible()) << "the icon works as if it had been there from the start";

    area->appear();  // the area announced again (its host restarted)
    EXPECT_EQ(ti.tray().findChildren<QSystemTrayIcon*>().size(), 1);

    Item("E&xit")->trigger();
    area->appear();
    EXPECT_FALSE(ti.tray().isIconAdded()) << "removed at the end, and not brought back";
}

TEST_F(ProgramTest, AHostWithoutTipsShowsTheClocksAtTheTopOfTheMenu) {
    trayHost = TrayHostStyle::MenuOnClick;
    Program& ti = Start();
    const QStringList withClocks{
        "Zulu: 11:30", "Swatch: @521", "-", "&Setup", "&Convert", "Find a &meeting time",
        "&Hide",       "Sync Now!",    "-", "&Help",  "-",        "E&xit"};
    EXPECT_EQ(Captions(), withClocks) << "from the start, before the first tick";
    area->takeOver(TrayHostStyle::ClickActivates);  // a panel that shows tips
    EXPECT_EQ(Captions(), (QStringList{"&Setup", "&Convert", "Find a &meeting time", "&Hide",
                                       "Sync Now!", "-", "&Help", "-", "E&xit"}));
    area->takeOver(TrayHostStyle::MenuOnClick);
    EXPECT_EQ(Captions(), withClocks);
    const QList<QAction*> actions = Menu().actions();
    EXPECT_FALSE(actions[0]->isEnabled()) << "lines to read, not commands";
    EXPECT_FALSE(actions[1]->isEnabled());
    ASSERT_TRUE(NextSecond());
    EXPECT_EQ(ti.tray().tip(), QStringLiteral("Zulu: 11:30 - Swatch: @521")) << "kept as well";

    ASSERT_TRUE(NextSecond(61));
    EXPECT_EQ(Menu().actions()[0]->text(), QStringLiteral("Zulu: 11:31")) << "kept up to date";

    // A clock whose label holds an ampersand shows it, with no mnemonic made of it.
    state.book.Rename(state.EnabledClocksInOrder()[0], "R&D");
    ASSERT_TRUE(NextSecond());
    EXPECT_EQ(Menu().actions()[0]->text(), QStringLiteral("R&&D: 11:31"));

    Item("&Hide")->trigger();
    EXPECT_FALSE(MainVisible()) << "the commands below work as before";
}

TEST_F(ProgramTest, OnAHostThatOpensTheMenuOnAClickEachActivationShowsOrHides) {
    trayHost = TrayHostStyle::MenuOnClick;
    for (const char* singleClick : {"False", "True"}) {
        SCOPED_TRACE(singleClick);
        store.Save("SingleClick", singleClick);
        store.Save("ShowWnd", "True");
        Start();
        Activate(QSystemTrayIcon::Trigger);  // the host's report of a double click
        EXPECT_FALSE(MainVisible());
        EXPECT_EQ(ShowItem()->text(), QStringLiteral("S&how"));
        clickNowMs += 80;  // another double click right after: each is one
        Activate(QSystemTrayIcon::Trigger);
        EXPECT_TRUE(MainVisible());
        Activate(QSystemTrayIcon::Context);
        EXPECT_TRUE(Menu().isVisible());
        Menu().hide();
        program->shutDown();
    }
}

TEST_F(ProgramTest, SyncNowIsGreyedWithTheIconWhileASynchronisationRuns) {
    test::FakeTimeServer server(test::FakeTimeServer::Mode::Silent);
    ASSERT_TRUE(server.Listen());
    Program& ti = Start(server.Port());
    auto* icon = ti.tray().findChild<QSystemTrayIcon*>(QStringLiteral("trayIcon"));
    ASSERT_NE(icon, nullptr);
    const QImage normal = Drawn(ProgramIcon());
    EXPECT_EQ(Drawn(icon->icon()), normal);

    QSignalSpy synchronised(&ti.timeService(), &TimeService::synchronised);
    bool answered = false;
    queryClock.timeoutWhen = [&] { return answered; };
    Item("Sync Now!")->trigger();
    ASSERT_TRUE(ti.timeService().IsBusy());
    EXPECT_FALSE(Item("Sync Now!")->isEnabled()) << "no second synchronisation meanwhile";
    EXPECT_EQ(Drawn(icon->icon()), ProgramIcon().pixmap(QSize(22, 22), QIcon::Disabled).toImage())
        << "the icon is greyed while it runs";
    EXPECT_TRUE(messages.shown.empty()) << "nothing told while the server may still answer";

    answered = true;  // the server's deadline passes
    ASSERT_TRUE(synchronised.wait(5000));
    EXPECT_TRUE(Item("Sync Now!")->isEnabled());
    EXPECT_EQ(Drawn(icon->icon()), normal);
    // The user asked: the silence is told once the wait is over, not before.
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "The time server did not answer.\nThe computer's clock was not changed.");
}

// The icon greys for the query only: the failure is told with the icon itself again, while
// "Sync Now!" stays unavailable until the user has read it.
TEST_F(ProgramTest, TheIconIsItselfAgainWhileAFailedQueryIsTold) {
    Program& ti = Start();  // nothing listens on the port: the query on 127.0.0.1 fails
    auto* icon = ti.tray().findChild<QSystemTrayIcon*>(QStringLiteral("trayIcon"));
    ASSERT_NE(icon, nullptr);
    const QImage normal = Drawn(ProgramIcon());
    const QImage greyed = ProgramIcon().pixmap(QSize(22, 22), QIcon::Disabled).toImage();
    QSignalSpy running(&ti.timeService(), &TimeService::queryRunningChanged);
    QSignalSpy synchronised(&ti.timeService(), &TimeService::synchronised);
    bool told = false;
    messages.onShow = [&](const std::string&) {
        told = true;
        EXPECT_FALSE(ti.timeService().IsQueryRunning());
        EXPECT_EQ(Drawn(icon->icon()), normal) << "not greyed while the failure is read";
        EXPECT_TRUE(ti.timeService().IsBusy()) << "the user's answer still belongs to the run";
        EXPECT_FALSE(Item("Sync Now!")->isEnabled()) << "no second synchronisation meanwhile";
    };
    Item("Sync Now!")->trigger();
    EXPECT_TRUE(ti.timeService().IsQueryRunning());
    EXPECT_EQ(Drawn(icon->icon()), greyed) << "greyed from the query's start";
    ASSERT_TRUE(synchronised.wait(5000));
    EXPECT_TRUE(told);
    ASSERT_EQ(running.size(), 2);
    EXPECT_TRUE(running[0][0].toBool());
    EXPECT_FALSE(running[1][0].toBool());
    EXPECT_TRUE(Item("Sync Now!")->isEnabled());
    EXPECT_EQ(Drawn(icon->icon()), normal);
}

}  // namespace
}  // namespace horavia
