// The program over in-memory services, started as the real one is, with a clock, a notification
// area and icon clicks of the test's own.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "fake_notification_area.h"
#include "manual_query_clock.h"
#include "setup_controls.h"
#include "ui/editor/clock_editor.h"
#include "ui/program/program.h"
#include "ui/setup/setup_dialog.h"
#include "ui_test_support.h"

namespace horavia::testing {

class ProgramTest : public ::testing::Test, public TestServices {
  protected:
    // Where the program's time query comes from (the loaded part in the real program).
    ServerQueryFactory serverQueries = MakeServerTimeQuery;
    Program& Start(quint16 timePort = ClosedPort()) {
        ProgramOptions options;
        options.serverQueries = serverQueries;
        options.timePorts = {timePort, timePort};
        options.queryTiming = QueryTiming{&queryClock};
        options.mapPicture = TinyMap();
        options.openHelp = [this] { ++helpOpened; };
        options.notificationArea = [this] {
            auto made = std::make_unique<FakeNotificationArea>(trayAvailable, trayHost);
            area = made.get();
            return made;
        };
        options.clickClockMs = [this] { return clickNowMs; };
        program = std::make_unique<Program>(state, clockSetter, options);
        QObject::connect(program.get(), &Program::ended, [this] { ++ended; });
        QObject::connect(&program->ticker(), &SecondTicker::tick,
                         [this] { tips.push_back(program->tray().tip().toStdString()); });
        program->start([this](bool running) { loaded = running; });
        // As on a desktop: the icon follows the clock window's first paint.
        EXPECT_TRUE(QTest::qWaitFor([this] { return !program->isStartIconPending(); }, 2000));
        return *program;
    }
    QMenu& Menu() const { return *program->tray().menu(); }
    QStringList Captions() const {
        QStringList captions;
        for (const QAction* a : Menu().actions()) {
            captions << (a->isSeparator() ? QStringLiteral("-") : a->text());
        }
        return captions;
    }
    QAction* Item(const char* caption) const {
        for (QAction* a : Menu().actions()) {
            if (a->text() == QString::fromUtf8(caption)) return a;
        }
        ADD_FAILURE() << "no menu item " << caption;
        return nullptr;
    }
    // The Show/Hide item, whichever its caption (the third command of the menu).
    QAction* ShowItem() const {
        for (QAction* a : Menu().actions()) {
            if (a->text() == QStringLiteral("S&how") || a->text() == QStringLiteral("&Hide")) {
                return a;
            }
        }
        ADD_FAILURE() << "no Show/Hide item";
        return nullptr;
    }
    // The icon's activation as the notification area reports it.
    void Activate(QSystemTrayIcon::ActivationReason reason) {
        auto* icon = program->tray().findChild<QSystemTrayIcon*>(QStringLiteral("trayIcon"));
        ASSERT_NE(icon, nullptr);
        emit icon->activated(reason);
    }
    // The next wall-clock second, as the ticker sees it.
    bool Tick() { return program->ticker().tickIfNewSecond(); }
    bool NextSecond(int seconds = 1) {
        clock.Set(clock.NowLocal() + seconds / 86400.0);
        return program->ticker().tickIfNewSecond();
    }
    // Opens the clock editor from the setup dialog's New (made for its first use, opened
    // modally), runs `checks` while it is open, then cancels it.
    void WhileTheEditorIsOpen(const std::function<void()>& checks) {
        program->openSetup();
        Click(*program->setupDialog(), "newButton");
        ASSERT_NE(program->clockEditor(), nullptr);
        EXPECT_TRUE(program->clockEditor()->isVisible());
        checks();
        program->clockEditor()->reject();
    }
    ClockWindow* Main() const { return program->clockWindow(); }
    bool MainVisible() const { return Main() != nullptr && Main()->isVisible(); }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& t : Main()->paintLayout().texts) texts.push_back(t.text);
        return texts;
    }

    test::ManualQueryClock queryClock;  // no real deadline or pacing is waited out
    std::unique_ptr<Program> program;
    std::vector<std::string> tips;  // the tip after each tick
    bool loaded = false;
    bool trayAvailable = true;
    TrayHostStyle trayHost = TrayHostStyle::ClickActivates;
    FakeNotificationArea* area = nullptr;  // the program's, once started
    int helpOpened = 0;
    int ended = 0;
    qint64 clickNowMs = 10000;
};

}  // namespace horavia::testing
