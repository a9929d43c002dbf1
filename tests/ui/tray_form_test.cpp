// The tray form: start-up and shut-down in order, the menu, the icon's clicks.
#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPointer>
#include <QStyleHints>
#include <QTemporaryDir>
#include <QTest>

#include "failing_file_system.h"
#include "fake_time_server.h"
#include "platform/qt_settings_store.h"
#include "setup_controls.h"
#include "ui/editor/frm_edit.h"
#include "ui/setup/setup_dialog.h"
#include "ui/tray/frm_ti.h"
#include "ui/tray/tray_message.h"
#include "ui_test_support.h"

namespace horavia {
namespace {

class TrayForm : public ::testing::Test, public testing::TestServices {
  protected:
    frmTI& Start(quint16 timePort = testing::ClosedPort()) {
        TrayFormOptions options;
        options.timePorts = {timePort, timePort};
        options.mapPicture = testing::TinyMap();
        options.openHelp = [this] { ++helpOpened; };
        options.notificationAreaAvailable = [this] { return trayAvailable; };
        options.clickClockMs = [this] { return clickNowMs; };
        tray = std::make_unique<frmTI>(state, clockSetter, options);
        QObject::connect(tray.get(), &frmTI::programEnded, [this] { ++ended; });
        loaded = tray->Form_Load();
        return *tray;
    }
    QStringList Captions() const {
        QStringList captions;
        for (const QAction* a : tray->mnuPopup.actions()) {
            captions << (a->isSeparator() ? QStringLiteral("-") : a->text());
        }
        return captions;
    }
    frmMain* Main() const { return tray->MainWindow(); }
    bool MainVisible() const { return Main() != nullptr && Main()->isVisible(); }

    std::unique_ptr<frmTI> tray;
    bool loaded = false;
    bool trayAvailable = true;
    int helpOpened = 0;
    int ended = 0;
    qint64 clickNowMs = 10000;
};

TEST_F(TrayForm, StartUpRunsInOrder) {
    const std::size_t writesBefore = store.Commits();
    frmTI& ti = Start();
    ASSERT_TRUE(loaded);
    const auto at = [&](const char* entry) { return store.IndexOf(entry); };
    // Settings, with the main window created (its geometry read) after the font settings;
    // then the catalogue and the clocks.
    EXPECT_LT(at("R AlwaysOnTop"), at("R FontSize"));
    EXPECT_LT(at("R FontSize"), at("R WndLeft"));
    EXPECT_LT(at("R WndHeight"), at("R STStartUp"));
    EXPECT_LT(at("R DefaultFormat"), at("R SZoneNum"));
    EXPECT_NE(at("W S0Dis"), -1) << "a first start writes the two default clocks";
    EXPECT_EQ(store.Commits(), writesBefore + 1) << "in one write of the file";
    EXPECT_EQ(state.book.RowKeys(), (std::vector<std::string>{"K0000", "K0001"}));
    EXPECT_EQ(ti.SetupDialog()->rowKeys(), (std::vector<std::string>{"K0000", "K0001"}));
    ASSERT_NE(ti.Editor(), nullptr);
    EXPECT_GT(ti.Editor()->cmbZone->count(), 0) << "the editor's zone list is sorted and filled";
    EXPECT_FALSE(ti.Editor()->isVisible());
    EXPECT_FALSE(ti.SetupDialog()->isVisible());
    EXPECT_TRUE(MainVisible());
    EXPECT_EQ(Main()->PaintLayout().rows, 2) << "painted with the clocks";
    EXPECT_TRUE(ti.Tray().IsAdded());
    EXPECT_EQ(ti.Tray().Tip(), QStringLiteral("Horavia"));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(TrayForm, StartUpSynchronisationLeavesSTLast) {
    test::FakeTimeServer server(test::FakeTimeServer::Mode::Normal);
    ASSERT_TRUE(server.Listen());
    server.SetSeconds(testing::ServerSecondsForNow());
    store.Save("STStartUp", "True");
    store.Save("STLast", "46000.5");
    store.log.clear();
    Start(server.Port());
    EXPECT_EQ(server.Accepted(), 1);
    EXPECT_EQ(clockSetter.calls.size(), 1u);
    EXPECT_EQ(store.IndexOf("W STLast"), -1);
    EXPECT_EQ(state.prefs.STLast, 46000.5);
}

TEST_F(TrayForm, NoZoneDatabaseEndsTheStart) {
    registry = MemoryRegistry();
    Start();
    EXPECT_FALSE(loaded);
    ASSERT_FALSE(messages.shown.empty());
    EXPECT_EQ(messages.shown.back().text, "No timezone information found !");
}

TEST_F(TrayForm, MenuItemsAndShowHideCaptions) {
    frmTI& ti = Start();
    EXPECT_EQ(Captions(), (QStringList{"&Setup", "&Convert", "&Hide", "Sync Now!", "-", "&Help",
                                       "-", "E&xit"}));
    EXPECT_EQ(ti.Tray().ContextMenu(), &ti.mnuPopup)
        << "the notification area shows the same menu, captions and all";
    ti.mnuPopupShow->trigger();
    EXPECT_EQ(ti.mnuPopupShow->text(), QStringLiteral("S&how"));
    EXPECT_FALSE(MainVisible());
    EXPECT_EQ(store.Value("ShowWnd"), "False");
    ti.mnuPopupShow->trigger();
    EXPECT_EQ(ti.mnuPopupShow->text(), QStringLiteral("&Hide"));
    EXPECT_TRUE(MainVisible());
    EXPECT_EQ(store.Value("ShowWnd"), "True");

    // Escape on the window, then the menu.
    QTest::keyClick(Main(), Qt::Key_Escape);
    EXPECT_EQ(ti.mnuPopupShow->text(), QStringLiteral("S&how"));
    EXPECT_FALSE(MainVisible());

    ti.mnuPopupHelp->trigger();
    EXPECT_EQ(helpOpened, 1);

    ti.PopupMenuAt(QPoint(10, 10), true);  // from the main window
    EXPECT_EQ(ti.mnuPopup.defaultAction(), ti.mnuPopupSetup);
    ti.mnuPopup.hide();
}

TEST_F(TrayForm, StartsHiddenAndShowsOnlyWhenAsked) {
    store.Save("ShowWnd", "False");
    frmTI& ti = Start();
    EXPECT_NE(Main(), nullptr) << "the window exists, hidden: its tick keeps the tip current";
    EXPECT_FALSE(MainVisible());
    EXPECT_EQ(ti.mnuPopupShow->text(), QStringLiteral("S&how"));
}

TEST_F(TrayForm, WithoutANotificationAreaTheWindowIsTheWayIn) {
    store.Save("ShowWnd", "False");
    trayAvailable = false;
    Start();
    EXPECT_TRUE(MainVisible());
    EXPECT_EQ(store.Value("ShowWnd"), "True");
}

TEST_F(TrayForm, CloseBoxDestroysTheWindowAndShowCreatesItAgain) {
    store.Save("WndLeft", "1500");
    frmTI& ti = Start();
    Main()->close();
    testing::ProcessPending();
    EXPECT_EQ(Main(), nullptr);
    EXPECT_EQ(store.Value("ShowWnd"), "False");
    EXPECT_EQ(ti.mnuPopupShow->text(), QStringLiteral("S&how"));
    EXPECT_EQ(store.Value("WndLeft"), "1500");

    // "Sync Now!" asks the program's time service: no window comes back behind the user.
    ti.mnuPopupSync->trigger();
    EXPECT_EQ(Main(), nullptr);
    EXPECT_EQ(store.Value("ShowWnd"), "False");

    ti.mnuPopupShow_Click();
    ASSERT_NE(Main(), nullptr);
    EXPECT_TRUE(Main()->isVisible());
    EXPECT_EQ(Main()->frameGeometry().x(), 100) << "geometry restored";
    EXPECT_EQ(Main()->PaintLayout().rows, 2);
}

TEST_F(TrayForm, TheClockListOutlivesTheWindowsAndTheTipFollowsIt) {
    frmTI& ti = Start();
    Main()->close();
    testing::ProcessPending();
    ASSERT_EQ(Main(), nullptr);
    testing::SelectClockRow(*ti.SetupDialog(), 1);
    testing::Click(*ti.SetupDialog(), "upButton");
    EXPECT_EQ(ti.Tray().Tip().left(8), QStringLiteral("Swatch: ")) << "told at once, no tick";
    QTreeWidget* list = testing::ClockList(*ti.SetupDialog());
    list->editItem(list->topLevelItem(0), 0);  // renamed in place
    auto* nameEditor = list->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(nameEditor, nullptr);
    nameEditor->setText(QStringLiteral("Beat"));
    QTest::keyClick(nameEditor, Qt::Key_Return);
    testing::ProcessPending();  // the list commits the text, then the editor goes
    EXPECT_EQ(ti.Tray().Tip().left(6), QStringLiteral("Beat: "));

    ti.mnuPopupShow_Click();  // a new main window shows the list as it is now
    ASSERT_NE(Main(), nullptr);
    ASSERT_EQ(Main()->PaintLayout().texts.size(), 4u);
    EXPECT_EQ(Main()->PaintLayout().texts[0].text, "Beat");
    EXPECT_EQ(state.book.RowKeys(), (std::vector<std::string>{"K0001", "K0000"}));
}

TEST_F(TrayForm, ShowAndHideWaitWhileTheEditorIsOpen) {
    frmTI& ti = Start();
    ti.Editor()->show();
    ti.mnuPopupShow_Click();
    EXPECT_EQ(ti.mnuPopupShow->text(), QStringLiteral("S&how"));
    EXPECT_EQ(store.Value("ShowWnd"), "False");
    EXPECT_TRUE(MainVisible()) << "the window follows the choice next time";
    ti.Editor()->hide();
}

TEST_F(TrayForm, IconClicksWithoutSingleClick) {
    frmTI& ti = Start();
    ti.Form_MouseMove(kTrayLeftDoubleClick);
    EXPECT_FALSE(MainVisible()) << "double click shows or hides";
    ti.Form_MouseMove(kTrayLeftButtonUp);
    EXPECT_FALSE(MainVisible()) << "a single click with nothing open does nothing";
    EXPECT_EQ(ti.ForegroundCandidate(), nullptr);
    ti.Form_MouseMove(kTrayLeftDoubleClick);
    EXPECT_TRUE(MainVisible());
    EXPECT_EQ(ti.ForegroundCandidate(), Main());

    ti.mnuPopupSetup_Click();
    EXPECT_TRUE(ti.SetupDialog()->isVisible());
    EXPECT_EQ(ti.ForegroundCandidate(), ti.SetupDialog()) << "the dialog before the window";
    ti.Form_MouseMove(kTrayLeftButtonUp);
    EXPECT_TRUE(MainVisible());

    ti.Form_MouseMove(kTrayRightButtonUp);
    EXPECT_TRUE(ti.mnuPopup.isVisible());
    EXPECT_EQ(ti.mnuPopup.defaultAction(), nullptr) << "no default item from the icon";
    ti.mnuPopup.hide();
}

TEST_F(TrayForm, IconClicksWithSingleClick) {
    store.Save("SingleClick", "True");
    frmTI& ti = Start();
    ti.Form_MouseMove(kTrayLeftButtonUp);
    EXPECT_FALSE(MainVisible());
    ti.Form_MouseMove(kTrayLeftDoubleClick);
    EXPECT_FALSE(MainVisible()) << "the double click does nothing more";
    ti.Form_MouseMove(kTrayLeftButtonUp);
    EXPECT_TRUE(MainVisible());
}

// Notification areas over D-Bus report each click as one activation.
TEST_F(TrayForm, ActivationsMakeDoubleClicksWithinTheDesktopsInterval) {
    const int interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
    frmTI& ti = Start();
    const auto click = [&](int afterMs) {
        clickNowMs += afterMs;
        ti.TrayActivated(QSystemTrayIcon::Trigger);
    };
    click(0);  // single: brings the window forward, shows or hides nothing
    EXPECT_TRUE(MainVisible());
    click(interval + 100);  // a second click only after the interval: single again
    EXPECT_TRUE(MainVisible()) << "slow double click";
    click(interval + 100);
    click(80);
    EXPECT_FALSE(MainVisible()) << "double click hides";
    EXPECT_EQ(ti.mnuPopupShow->text(), QStringLiteral("S&how"));
    click(interval + 100);
    click(80);
    EXPECT_TRUE(MainVisible()) << "and shows again";
    ti.TrayActivated(QSystemTrayIcon::Context);
    EXPECT_TRUE(ti.mnuPopup.isVisible());
    EXPECT_EQ(ti.mnuPopup.defaultAction(), nullptr);
    ti.mnuPopup.hide();
}

TEST_F(TrayForm, ActivationsWithSingleClickEachShowOrHide) {
    store.Save("SingleClick", "True");
    frmTI& ti = Start();
    ti.TrayActivated(QSystemTrayIcon::Trigger);
    EXPECT_FALSE(MainVisible()) << "a click hides";
    clickNowMs += 80;
    ti.TrayActivated(QSystemTrayIcon::Trigger);
    EXPECT_FALSE(MainVisible()) << "the double click's second click does nothing more";
    clickNowMs += QGuiApplication::styleHints()->mouseDoubleClickInterval() + 100;
    ti.TrayActivated(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(MainVisible()) << "a later click shows";
}

TEST_F(TrayForm, SetupTakesTheWindowOutOfTheTopBandOnce) {
    store.Save("AlwaysOnTop", "True");
    frmTI& ti = Start();
    EXPECT_TRUE(Main()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    ti.mnuPopupSetup_Click();
    EXPECT_TRUE(ti.SetupDialog()->isVisible());
    EXPECT_FALSE(Main()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    ti.mnuPopupSetup_Click();  // already open: brought forward, no second dialog
    EXPECT_TRUE(ti.SetupDialog()->isVisible());
}

TEST_F(TrayForm, ShutDownWritesSettingsThenGeometryAndEnds) {
    store.Save("WndLeft", "1500");
    frmTI& ti = Start();
    ti.mnuPopupSetup_Click();
    QPointer<frmMain> main = Main();
    testing::HideRecorder setupHidden(ti.SetupDialog(), store.log, "setup closed");
    store.log.clear();
    const std::size_t writes = store.Commits();
    ti.mnuPopupExit->trigger();
    EXPECT_EQ(store.Commits(), writes + 1) << "preferences and geometry in one write";
    const std::vector<std::string> expected{
        "AlwaysOnTop", "ShowWnd",       "StartUp",   "SingleClick", "SortBy",   "AMPM",
        "FontName",    "FontSize",      "STStartUp", "STInt",       "STIntNum", "STIntType",
        "STServer",    "DefaultFormat", "WndLeft",   "WndWidth",    "WndTop",   "WndHeight"};
    EXPECT_EQ(store.Writes(), expected) << "no clock list, no STLast";
    EXPECT_LT(store.IndexOf("W DefaultFormat"), store.IndexOf("setup closed"));
    EXPECT_LT(store.IndexOf("setup closed"), store.IndexOf("W WndLeft"));
    EXPECT_EQ(store.Value("ShowWnd"), "True") << "ShowWnd keeps its value";
    EXPECT_EQ(store.Value("WndLeft"), "1500");
    EXPECT_FALSE(ti.Tray().IsAdded());
    EXPECT_EQ(ended, 1);
    testing::ProcessPending();
    EXPECT_TRUE(main.isNull());

    // Asked again (a signal after Exit): nothing more happens.
    store.log.clear();
    ti.Form_Unload();
    EXPECT_TRUE(store.log.empty());
    EXPECT_EQ(ended, 1);
}

}  // namespace
}  // namespace horavia

namespace horavia {
namespace {

// The real settings file, whose saves fail at one step for as long as the test says.
TEST(TrayFormSettingsFile, AFailedSaveIsToldOnceAndTheProgramGoesOnAndTriesAgain) {
    QTemporaryDir dir;
    testing::FailingFileSystem fs;
    fs.failStep = "CreateTemp";
    const QString folder = dir.path() + "/Horavia";
    QtSettingsStore settings(folder, fs);
    testing::TestServices s;
    AppState state(Services{settings, s.registry, s.messages, s.localZone, s.clock},
                   EnglishUnitedStates());
    TrayFormOptions options;
    options.timePorts = {testing::ClosedPort(), testing::ClosedPort()};
    options.mapPicture = testing::TinyMap();
    options.notificationAreaAvailable = [] { return true; };
    frmTI ti(state, s.clockSetter, options);
    ASSERT_TRUE(ti.Form_Load());  // a first start: its defaults cannot be written

    ASSERT_EQ(s.messages.shown.size(), 1u);
    const auto& told = s.messages.shown[0];
    const std::string path = (folder + "/Horavia 2.0.ini").toStdString();
    EXPECT_EQ(told.text, "The settings could not be saved to\r\n" + path +
                             "\r\n(creating a temporary file: Injected failure).\r\n\r\n"
                             "Horavia keeps working with your settings and tries again at the "
                             "next save.");
    EXPECT_EQ(told.title, "Horavia");
    EXPECT_EQ(told.icon, MsgIcon::Exclamation);
    EXPECT_EQ(ti.MainWindow()->PaintLayout().rows, 2) << "the default clocks, from memory";
    testing::Click(*ti.SetupDialog(), "closeButton");
    EXPECT_EQ(s.messages.shown.size(), 1u) << "told once";
    EXPECT_FALSE(QFile::exists(folder + "/Horavia 2.0.ini"));

    fs.failStep.clear();
    testing::Click(*ti.SetupDialog(), "closeButton");
    QFile file(folder + "/Horavia 2.0.ini");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    EXPECT_TRUE(saved.contains("\nS1Dis=Swatch\n") && saved.contains("\nSVersion=2\n"));
    EXPECT_FALSE(settings.Problem());

    fs.failStep = "Rename";
    ti.Form_Unload();
    EXPECT_EQ(s.messages.shown.size(), 2u) << "a new failure after a good save is told again";
}

}  // namespace
}  // namespace horavia
