// The setup dialog's preference panels and Close, inside the running program (tray form,
// main window, clock editor), and the interval field's reading.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QFontDialog>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <cmath>

#include "fake_notification_area.h"
#include "fake_ntp_server.h"
#include "fake_time_server.h"
#include "manual_query_clock.h"
#include "setup_controls.h"
#include "ui/convert/converter_window.h"
#include "ui/editor/clock_editor.h"
#include "ui/program/program.h"
#include "ui/setup/settings_page.h"
#include "ui/setup/setup_dialog.h"
#include "ui/setup/sync_interval.h"
#include "ui/setup/time_sync_page.h"
#include "ui_test_support.h"

namespace horavia {
namespace {

using testing::Click;
using testing::ClockList;
using testing::Control;
using testing::DoubleClickClockRow;
using testing::SelectClockRow;
using testing::SelectedClockRow;

TEST(IntervalField, LimitedRoundedAndAtLeastThirtySeconds) {
    struct Case {
        const char* text;
        std::int32_t unit;
        std::int32_t stored;
    };
    const Case cases[] = {
        {"10", 0, 30}, {"10", 1, 10}, {"300", 2, 255},   {"2.5", 2, 2},    {"3.5", 2, 4},
        {"abc", 2, 1}, {"0", 2, 1},   {"0", 0, 30},      {"-7", 3, 1},     {"255.5", 4, 255},
        {"0.5", 1, 1}, {"45", 0, 45}, {"9e999", 0, 255}, {" 12 h", 2, 12},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IntervalFromText(c.text, c.unit), c.stored) << c.text << " unit " << c.unit;
    }
}

class SetupPanels : public ::testing::Test, public testing::TestServices {
  protected:
    // ntpPort 0: the same as timePort.
    SetupDialog& Start(quint16 timePort = testing::ClosedPort(), quint16 ntpPort = 0) {
        ProgramOptions options;
        options.serverQueries = MakeServerTimeQuery;
        options.timePorts = {timePort, ntpPort != 0 ? ntpPort : timePort};
        if (!realQueryClock) options.queryTiming = {&queryClock};
        options.mapPicture = testing::TinyMap();
        options.openHelp = [] {};
        options.notificationArea = [] {
            return std::make_unique<testing::FakeNotificationArea>(true,
                                                                   TrayHostStyle::ClickActivates);
        };
        options.logOnStart = [this](bool start) { logOnStarts.push_back(start); };
        tray = std::make_unique<Program>(state, clockSetter, options);
        bool running = false;
        tray->start([&running](bool runs) { running = runs; });
        EXPECT_TRUE(running);
        tray->openSetup();
        tray->setupDialog()->hide();
        store.log.clear();
        return *tray->setupDialog();
    }
    // A server that answers after 150 ms, and a synchronisation due on every tick.
    SetupDialog& StartWithASynchronisationDue(test::FakeTimeServer& server) {
        server.SetSeconds(testing::ServerSecondsForNow());
        server.SetPauseMs(150);
        store.Save("STInt", "True");
        store.Save("STIntType", "0");
        store.Save("STLast", "0");
        return Start(server.Port());
    }
    // No real deadline or pacing is waited out, unless a test asks for the real clock.
    test::ManualQueryClock queryClock;
    bool realQueryClock = false;

    SetupDialog& Setup() const { return *tray->setupDialog(); }
    ClockWindow* Main() const { return tray->clockWindow(); }
    // The clock editor, made by a first New (cancelled) where it does not exist yet.
    ClockEditor& Editor() const {
        if (tray->clockEditor() == nullptr) {
            Click(Setup(), "newButton");
            tray->clockEditor()->reject();
        }
        return *tray->clockEditor();
    }
    QAction* MenuItem(const char* caption) const {
        for (QAction* a : tray->tray().menu()->actions()) {
            if (a->text() == QString::fromUtf8(caption)) return a;
        }
        return nullptr;
    }
    // The editor's controls, found by name.
    template <class Control>
    Control* EditorPart(const char* name) const {
        return Editor().findChild<Control*>(QString::fromLatin1(name));
    }
    QComboBox* EditorZones() const { return EditorPart<QComboBox>("zoneCombo"); }
    QLineEdit* EditorLabel() const { return EditorPart<QLineEdit>("labelEdit"); }
    // The registry zones of the editor's list, in list order, as catalogue indices.
    std::vector<int> EditorRegistryZones() const {
        std::vector<int> zones;
        for (int i = 0; i < EditorZones()->count(); ++i) {
            const int zone = EditorZones()->itemData(i).toInt();
            if (state.catalogue.IsRegistryZone(zone)) zones.push_back(zone);
        }
        return zones;
    }
    int ZoneNamed(const std::string& name) const {
        for (std::size_t i = 0; i < state.catalogue.zones.size(); ++i) {
            if (state.catalogue.zones[i].Name == name) return static_cast<int>(i);
        }
        return -1;
    }
    std::unique_ptr<Program> tray;
    std::vector<bool> logOnStarts;  // what each Close asked of the log-on entry
};

TEST_F(SetupPanels, PanelsStartAsDesignedAndFitTheDialog) {
    SetupDialog& s = Start();
    EXPECT_TRUE(Control<QRadioButton>(s, "hours24Radio")->isChecked())
        << "24 h until the settings say otherwise";
    // The 13 Time Protocol servers first, then the NTP servers, then the NTS servers.
    const int ntp = static_cast<int>(kTimeServers.size() + kNtpServers.size());
    const int listed = ntp + static_cast<int>(kNtsServers.size());
    ASSERT_EQ(Control<QComboBox>(s, "serverCombo")->count(), listed);
    for (int i = 0; i < listed; ++i) {
        const QString text = Control<QComboBox>(s, "serverCombo")->itemText(i);
        EXPECT_EQ(text.startsWith(QStringLiteral("ntp:")), i >= 13 && i < ntp) << i;
        EXPECT_EQ(text.startsWith(QStringLiteral("nts:")), i >= ntp) << i;
    }
    EXPECT_EQ(Control<QComboBox>(s, "serverCombo")->itemText(2), QString::fromUtf8(kDefaultServer))
        << "the default server is the third";
    EXPECT_EQ(Control<QLabel>(s, "fontSample")->text(), QStringLiteral("MS Sans Serif 10 pts"));
    EXPECT_EQ(Control<QLineEdit>(s, "intervalEdit")->text(), QStringLiteral("1"));
    EXPECT_EQ(Control<QComboBox>(s, "intervalUnitCombo")->currentText(), QStringLiteral("Hours"));
    EXPECT_EQ(Control<QLineEdit>(s, "defaultFormatEdit")->text(), QStringLiteral("hh:nn:ss"));

    // Enter in the server field keeps the list that Auto tests as it is.
    s.show();
    Control<QTabWidget>(s, "tabs")->setCurrentIndex(2);
    Control<QComboBox>(s, "serverCombo")->setEditText(QStringLiteral("my.server"));
    QTest::keyClick(Control<QComboBox>(s, "serverCombo")->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(Control<QComboBox>(s, "serverCombo")->count(), listed);
    EXPECT_TRUE(s.isVisible()) << "Enter runs no command";

    for (int tab = 1; tab < 4; ++tab) {
        Control<QTabWidget>(s, "tabs")->setCurrentIndex(tab);
        // Each page scrolls on a screen too low for it; the panel is the page's content.
        auto* page = qobject_cast<QScrollArea*>(Control<QTabWidget>(s, "tabs")->widget(tab));
        ASSERT_NE(page, nullptr) << "tab " << tab;
        QWidget* panel = page->widget();
        QCoreApplication::processEvents();
        EXPECT_LE(panel->layout()->minimumSize().height(), panel->height()) << "tab " << tab;
        EXPECT_LE(panel->layout()->minimumSize().width(), panel->width()) << "tab " << tab;
    }
    s.hide();
}

TEST(SettingsPageNote, AlwaysOnTopIsExplainedOnlyWhereTheDesktopIgnoresIt) {
    Preferences prefs;
    prefs.AlwaysOnTop = true;
    for (const char* platform : {"wayland", "wayland-egl", "xcb", "offscreen", "windows"}) {
        const bool wayland = QByteArray(platform).startsWith("wayland");
        SettingsPage page(prefs, nullptr, WindowLimitsOf(QString::fromLatin1(platform)));
        const auto* note = page.findChild<QLabel*>(QStringLiteral("onTopNote"));
        ASSERT_EQ(note != nullptr, wayland) << platform;
        auto* onTop = page.findChild<QCheckBox*>(QStringLiteral("alwaysOnTopCheck"));
        EXPECT_TRUE(onTop->isEnabled() && onTop->isChecked()) << "the choice is still stored";
        EXPECT_TRUE(page.alwaysOnTop());
        if (!wayland) continue;
        EXPECT_EQ(note->text(),
                  QStringLiteral("This desktop does not let programs keep windows on top."));
        // Right under the check box, once.
        EXPECT_EQ(page.layout()->indexOf(note), page.layout()->indexOf(onTop) + 1);
        EXPECT_EQ(page.findChildren<QLabel*>(QStringLiteral("onTopNote")).size(), 1);
        page.resize(page.sizeHint());
        page.show();
        EXPECT_TRUE(note->isVisible());
        EXPECT_GE(note->height(), note->heightForWidth(note->width())) << "not cut";
    }
}

TEST_F(SetupPanels, LoadedValuesThatNeedARule) {
    store.Save("AMPM", "True");
    store.Save("FontName", "DejaVu Serif");
    store.Save("FontSize", "11.5");
    store.Save("STIntType", "9");
    SetupDialog& s = Start();
    EXPECT_TRUE(Control<QRadioButton>(s, "amPmRadio")->isChecked());
    EXPECT_EQ(Control<QLineEdit>(s, "defaultFormatEdit")->text(), QStringLiteral("hh:nn:ss AM/PM"));
    EXPECT_EQ(Control<QLabel>(s, "fontSample")->text(), QStringLiteral("DejaVu Serif 12 pts"));
    EXPECT_EQ(Control<QComboBox>(s, "intervalUnitCombo")->currentIndex(), 4)
        << "an unknown unit shows the last entry";
    Click(s, "closeButton");
    EXPECT_EQ(store.Value("STIntType"), "4");
}

TEST_F(SetupPanels, CloseWithNoChangesRewritesEveryKey) {
    StoreClocks({"Zulu|0|True", "Tokyo|Tokyo Standard Time|False"});
    // Values other than the defaults, so that each goes through its control and back.
    const std::map<std::string, std::string> prefs{
        {"AlwaysOnTop", "True"},   {"ShowWnd", "True"},    {"StartUp", "True"},
        {"SingleClick", "True"},   {"SortBy", "1"},        {"AMPM", "True"},
        {"FontName", "Serif"},     {"FontSize", "14"},     {"STStartUp", "False"},
        {"STInt", "True"},         {"STIntNum", "45"},     {"STIntType", "0"},
        {"STServer", "127.0.0.1"}, {"STLast", "46000.25"}, {"DefaultFormat", "d hh:nn"}};
    for (const auto& [key, value] : prefs) store.Save(key, value);
    store.Save("S0Fmt", "hh:nn");
    store.Save("S1Fmt", "");
    std::vector<std::string> keys{"SZoneNum", "S0Dis", "S0Fmt", "S0Zon", "S0Ena",
                                  "S1Dis",    "S1Fmt", "S1Zon", "S1Ena"};
    std::map<std::string, std::string> before = prefs;
    for (const std::string& key : keys) before[key] = store.Value(key);
    SetupDialog& s = Start();
    s.show();
    const std::size_t fileWrites = store.Commits();
    Click(s, "closeButton");
    EXPECT_FALSE(s.isVisible());
    EXPECT_EQ(store.Commits(), fileWrites + 1) << "Close is one write of the settings file";

    const std::vector<std::string> writes = store.Writes();
    const auto wrote = [&](const std::string& key) {
        return std::find(writes.begin(), writes.end(), key) != writes.end();
    };
    for (std::size_t i = 0; i < 9; ++i) EXPECT_TRUE(wrote(keys[i])) << keys[i];
    for (const PreferenceField& f : PreferenceTable()) {
        EXPECT_EQ(wrote(f.key), std::string(f.key) != "STLast") << f.key;
    }
    // The clock list first, the preferences after.
    EXPECT_LT(store.IndexOf("W S1Ena"), store.IndexOf("W AlwaysOnTop"));
    for (const auto& [key, value] : before) EXPECT_EQ(store.Value(key), value) << key;
    EXPECT_EQ(logOnStarts, std::vector<bool>{true});
    EXPECT_TRUE(Main()->isVisible());
}

TEST_F(SetupPanels, CloseTakesTheControlsAndAppliesThem) {
    SetupDialog& s = Start();
    tray->openSetup();
    Control<QCheckBox>(s, "alwaysOnTopCheck")->setChecked(true);
    Control<QCheckBox>(s, "startUpCheck")->setChecked(true);
    Control<QCheckBox>(s, "singleClickCheck")
        ->setCheckState(Qt::PartiallyChecked);  // any state but unticked
    Control<QCheckBox>(s, "dayNightCheck")->setChecked(true);
    Control<QCheckBox>(s, "syncAtStartCheck")->setChecked(true);
    Control<QCheckBox>(s, "syncIntervalCheck")->setChecked(true);
    Control<QRadioButton>(s, "amPmRadio")->setChecked(true);
    Control<QComboBox>(s, "serverCombo")->setEditText(QStringLiteral(" my.server "));
    Control<QLineEdit>(s, "defaultFormatEdit")->setText(QStringLiteral("h:nn AM/PM"));
    Control<QLineEdit>(s, "intervalEdit")->setText(QStringLiteral("0"));
    Control<QComboBox>(s, "intervalUnitCombo")->setCurrentIndex(0);
    Control<QCheckBox>(s, "showWindowCheck")->setChecked(false);
    EXPECT_TRUE(Main()->isVisible()) << "nothing applies before Close";

    Click(s, "closeButton");
    EXPECT_FALSE(Main()->isVisible()) << "the main window goes at once";
    EXPECT_EQ(tray->tray().menu()->actions().at(3)->text(), QStringLiteral("S&how"));
    EXPECT_TRUE(Main()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(logOnStarts, std::vector<bool>{true});
    const std::vector<std::pair<std::string, std::string>> stored{{"AlwaysOnTop", "True"},
                                                                  {"ShowWnd", "False"},
                                                                  {"StartUp", "True"},
                                                                  {"SingleClick", "True"},
                                                                  {"AMPM", "True"},
                                                                  {"STStartUp", "True"},
                                                                  {"STInt", "True"},
                                                                  {"STIntNum", "30"},
                                                                  {"STIntType", "0"},
                                                                  {"STServer", " my.server "},
                                                                  {"DefaultFormat", "h:nn AM/PM"},
                                                                  {"DayNight", "True"}};
    for (const auto& [key, value] : stored) EXPECT_EQ(store.Value(key), value) << key;
    EXPECT_TRUE(state.preferences.Values().SingleClick);
    EXPECT_EQ(Control<QLineEdit>(s, "intervalEdit")->text(), QStringLiteral("0"))
        << "the field keeps what was typed";

    // Unticked, the next Close takes the program out of the log-on start.
    tray->openSetup();
    Control<QCheckBox>(s, "startUpCheck")->setChecked(false);
    Click(s, "closeButton");
    EXPECT_EQ(logOnStarts, (std::vector<bool>{true, false}));
    EXPECT_EQ(store.Value("StartUp"), "False");
}

// Picking a clock style takes the default format with it while that holds the other style's
// default; a format the user typed stays.
TEST_F(SetupPanels, ClockStyleCarriesTheDefaultFormatAlong) {
    SetupDialog& s = Start();
    tray->openSetup();
    auto* format = Control<QLineEdit>(s, "defaultFormatEdit");
    Control<QRadioButton>(s, "amPmRadio")->setChecked(true);
    EXPECT_EQ(format->text(), QStringLiteral("hh:nn:ss AM/PM"));
    Control<QRadioButton>(s, "hours24Radio")->setChecked(true);
    EXPECT_EQ(format->text(), QStringLiteral("hh:nn:ss"));
    format->setText(QStringLiteral("h:nn"));
    Control<QRadioButton>(s, "amPmRadio")->setChecked(true);
    EXPECT_EQ(format->text(), QStringLiteral("h:nn"));
    Click(s, "closeButton");
    EXPECT_EQ(store.Value("AMPM"), "True");
    EXPECT_EQ(store.Value("DefaultFormat"), "h:nn");
}

TEST_F(SetupPanels, ChangedSortReordersTheEditorListNotTheClocks) {
    StoreClocks({"Zulu|0|True", "Tokyo|Tokyo Standard Time|True", "NY|Eastern Standard Time|True"});
    SetupDialog& s = Start();
    const int eastern = ZoneNamed("Eastern");
    const int tokyo = ZoneNamed("Osaka, Tokyo");
    const int europe = ZoneNamed("Amsterdam, Berlin");
    // By name: Amsterdam, Berlin / Eastern / Osaka, Tokyo.
    EXPECT_EQ(EditorRegistryZones(), (std::vector<int>{europe, eastern, tokyo}));
    const std::vector<std::string> keys = s.rowKeys();

    Control<QComboBox>(s, "sortCombo")->setCurrentIndex(3);
    EXPECT_EQ(EditorRegistryZones(), (std::vector<int>{europe, eastern, tokyo}))
        << "only Close re-sorts";
    Click(s, "closeButton");
    EXPECT_EQ(state.preferences.Values().SortBy, 3);
    EXPECT_EQ(store.Value("SortBy"), "3");
    // Smallest bias first: Tokyo (-540), Europe (-60), Eastern (300).
    EXPECT_EQ(EditorRegistryZones(), (std::vector<int>{tokyo, europe, eastern}));
    EXPECT_EQ(EditorZones()->currentIndex(), -1) << "no selection after the re-sort";
    EXPECT_EQ(s.rowKeys(), keys);
    EXPECT_EQ(state.Clocks()[1].Label, "Tokyo");
    EXPECT_EQ(state.EnabledClocksInOrder(), (std::vector<int>{0, 1, 2}));
}

TEST_F(SetupPanels, FontChooserAppliesAtOnceAndCloseStores) {
    SetupDialog& s = Start();
    std::vector<QFont> presets;
    std::optional<QFont> answer;
    s.setFontChooser([&](const QFont& preset, QWidget*, const SettingsPage::FontChosen& chosen) {
        presets.push_back(preset);
        chosen(answer);
    });
    const QFont mainFont = Main()->font();

    Click(s, "fontButton");  // cancelled
    ASSERT_EQ(presets.size(), 1u);
    EXPECT_EQ(presets[0].family(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(presets[0].pointSize(), 10);
    EXPECT_EQ(Main()->font(), mainFont);
    EXPECT_EQ(Control<QLabel>(s, "fontSample")->text(), QStringLiteral("MS Sans Serif 10 pts"));
    EXPECT_EQ(state.preferences.Values().FontName, "MS Sans Serif");

    QFont arial(QStringLiteral("Arial"));
    arial.setPointSizeF(12);
    arial.setBold(true);
    answer = arial;
    Click(s, "fontButton");
    EXPECT_EQ(Main()->font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(Main()->font().pointSize(), 12);
    EXPECT_FALSE(Main()->font().bold()) << "bold and italic are always off";
    EXPECT_EQ(Control<QLabel>(s, "fontSample")->text(), QStringLiteral("Arial 12 pts"));
    EXPECT_EQ(presets.back().family(), QStringLiteral("MS Sans Serif")) << "preset before change";
    EXPECT_EQ(store.Value("FontName"), "<none>") << "stored only by Close";
    EXPECT_TRUE(store.Writes().empty());

    Click(s, "closeButton");
    EXPECT_EQ(store.Value("FontName"), "Arial");
    EXPECT_EQ(store.Value("FontSize"), "12");

    // Sizes are rounded half to even.
    for (const auto& [size, whole] : {std::pair{10.5, 10}, std::pair{11.5, 12}, {12.4, 12}}) {
        QFont f(QStringLiteral("Arial"));
        f.setPointSizeF(size);
        answer = f;
        Click(s, "fontButton");
        EXPECT_EQ(state.preferences.Values().FontSize, whole) << size;
    }
}

// The real font dialog opens and returns at once; its choice applies when it closes with OK.
TEST_F(SetupPanels, TheFontDialogOpensWithoutWaitingAndAppliesItsChoice) {
    SetupDialog& s = Start();
    s.show();
    const QString family = QFontDatabase::families().value(0);
    ASSERT_FALSE(family.isEmpty());
    for (const bool ok : {false, true}) {
        Click(s, "fontButton");
        QPointer<QFontDialog> dialog = s.findChild<QFontDialog*>();
        ASSERT_FALSE(dialog.isNull());
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(dialog->windowModality(), Qt::ApplicationModal);
        QFont font(family);
        font.setPointSize(14);
        dialog->setCurrentFont(font);
        if (ok) {
            dialog->accept();
        } else {
            dialog->reject();
        }
        ASSERT_TRUE(QTest::qWaitFor([&dialog] { return dialog.isNull(); }, 5000))
            << "the dialog goes once closed";
        EXPECT_EQ(state.preferences.Values().FontName, ok ? family.toStdString() : "MS Sans Serif")
            << ok;
        EXPECT_EQ(state.preferences.Values().FontSize, ok ? 14 : 10) << ok;
    }
    EXPECT_EQ(Control<QLabel>(s, "fontSample")->text(), family + QStringLiteral(" 14 pts"));
}

TEST_F(SetupPanels, NewEditAndDoubleClickOpenTheEditor) {
    StoreClocks({"Zulu|0|True", "Tokyo|Tokyo Standard Time|False"});
    SetupDialog& s = Start();
    s.show();
    const int tokyo = ZoneNamed("Osaka, Tokyo");

    // New: the editor opens modally with a fresh clock; OK appends an unselected row.
    SelectClockRow(s, 0);
    Control<QPushButton>(s, "newButton")->click();
    EXPECT_TRUE(Editor().isVisible() && Editor().isModal());
    EXPECT_EQ(EditorLabel()->text(), QStringLiteral("(no name)"));
    EXPECT_EQ(state.Clocks().size(), 2u) << "a new clock, stored only by OK";
    EditorLabel()->setText(QStringLiteral("Osaka"));
    EditorZones()->setCurrentIndex(EditorZones()->findData(tokyo));
    EditorPart<QPushButton>("okButton")->click();
    EXPECT_FALSE(Editor().isVisible());
    EXPECT_EQ(s.rowKeys(), (std::vector<std::string>{"K0000", "K0001", "K0002"}));
    EXPECT_EQ(state.Clocks()[2].Label, "Osaka");
    EXPECT_EQ(state.Clocks()[2].Zone, tokyo);
    EXPECT_EQ(SelectedClockRow(s), 0);

    // Edit: the selected clock's fields; OK writes them back.
    SelectClockRow(s, 1);
    Control<QPushButton>(s, "editButton")->click();
    EXPECT_TRUE(Editor().isVisible());
    EXPECT_EQ(EditorLabel()->text(), QStringLiteral("Tokyo"));
    EXPECT_FALSE(EditorPart<QCheckBox>("enabledCheck")->isChecked());
    EXPECT_EQ(EditorZones()->currentData().toInt(), tokyo);
    EditorPart<QCheckBox>("enabledCheck")->setChecked(true);
    EditorPart<QPushButton>("okButton")->click();
    EXPECT_FALSE(Editor().isVisible());
    EXPECT_TRUE(state.Clocks()[1].Enabled);
    EXPECT_EQ(testing::ClockCell(s, 1, 1).data(Qt::CheckStateRole).toInt(), Qt::Checked);

    // A double click edits too.
    DoubleClickClockRow(s, 2);
    EXPECT_TRUE(Editor().isVisible());
    EXPECT_EQ(EditorLabel()->text(), QStringLiteral("Osaka"));
    EditorPart<QPushButton>("cancelButton")->click();
    EXPECT_FALSE(Editor().isVisible());

    // With no row selected Edit opens nothing.
    ClockList(s)->clearSelection();
    const QString labelBefore = EditorLabel()->text();
    Click(s, "editButton");
    EXPECT_FALSE(Editor().isVisible());
    EXPECT_EQ(EditorLabel()->text(), labelBefore) << "no clock prepared for editing";
    s.hide();
}

TEST_F(SetupPanels, ConvertOpensOneConverterClosedFirstAtShutDown) {
    Start();
    EXPECT_EQ(tray->converter(), nullptr) << "created on first use";
    MenuItem("&Convert")->trigger();
    QPointer<QWidget> first = tray->converter();
    ASSERT_NE(first, nullptr);
    auto* converter = qobject_cast<ConverterWindow*>(first.data());
    ASSERT_NE(converter, nullptr);
    EXPECT_TRUE(converter->isVisible());
    EXPECT_GT(converter->findChild<QComboBox*>(QStringLiteral("toZoneCombo"))->count(), 0)
        << "the zone lists are filled on showing";
    EXPECT_EQ(converter->windowTitle(), QStringLiteral("Horavia - Convert"));

    converter->hide();  // as its close box does
    MenuItem("&Convert")->trigger();
    EXPECT_EQ(tray->converter(), first.data()) << "one converter, shown again";
    EXPECT_TRUE(converter->isVisible());

    tray->openSetup();
    std::vector<std::string> log;
    testing::HideRecorder convertHidden(converter, log, "converter");
    testing::HideRecorder setupHidden(&Setup(), log, "setup");
    MenuItem("E&xit")->trigger();
    EXPECT_EQ(log, (std::vector<std::string>{"converter", "setup"}));
}

TEST_F(SetupPanels, TestReportsTheServerAndWaitsWithTheButtonsOff) {
    test::FakeTimeServer server(test::FakeTimeServer::Mode::Delayed);
    ASSERT_TRUE(server.Listen());
    server.SetSeconds(testing::ServerSecondsForNow() + 3);
    server.SetPauseMs(100);
    SetupDialog& s = Start(server.Port());
    s.show();
    EXPECT_TRUE(Control<QPushButton>(s, "testButton")->isEnabled());

    bool offWhileTesting = false;
    QTimer::singleShot(30, [&] {
        offWhileTesting = !Control<QPushButton>(s, "testButton")->isEnabled() &&
                          !Control<QPushButton>(s, "autoButton")->isEnabled();
        Click(s, "testButton");  // a second click meanwhile does nothing
    });
    Control<QPushButton>(s, "testButton")->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !messages.shown.empty(); }, 5000));
    EXPECT_TRUE(offWhileTesting);
    EXPECT_TRUE(Control<QPushButton>(s, "testButton")->isEnabled());
    EXPECT_EQ(server.Accepted(), 1);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::Information);
    EXPECT_NE(messages.shown[0].text.find("Name: 127.0.0.1\n"), std::string::npos);
    EXPECT_NE(messages.shown[0].text.find("Difference with local time: 3 s"), std::string::npos);

    // While a synchronisation waits for its server, neither button can start a test.
    messages.answer = MsgAnswer::No;
    QSignalSpy synchronised(&tray->timeService(), &TimeService::synchronised);
    ASSERT_TRUE(tray->timeService().SyncTime());
    // The dialog follows the service's announcements: nothing to wait for.
    EXPECT_FALSE(Control<QPushButton>(s, "testButton")->isEnabled());
    EXPECT_FALSE(Control<QPushButton>(s, "autoButton")->isEnabled());
    ASSERT_TRUE(synchronised.wait(5000));
    EXPECT_TRUE(Control<QPushButton>(s, "autoButton")->isEnabled());
    s.hide();
}

TEST_F(SetupPanels, AutoProposesTheServerThatAnsweredIntoTheCombo) {
    test::FakeTimeServer server(test::FakeTimeServer::Mode::Normal);
    ASSERT_TRUE(server.Listen());
    server.SetSeconds(testing::ServerSecondsForNow());
    SetupDialog& s = Start(server.Port());
    // Never the real servers: a list of one that refuses and one that answers.
    Control<QComboBox>(s, "serverCombo")->clear();
    Control<QComboBox>(s, "serverCombo")
        ->addItems({QStringLiteral("127.0.0.2"), QStringLiteral("127.0.0.1")});
    Control<QComboBox>(s, "serverCombo")->setEditText(QStringLiteral("127.0.0.2"));
    s.show();

    Click(s, "autoButton");
    EXPECT_TRUE(QTest::qWaitFor([&] { return Control<QPushButton>(s, "autoButton")->isEnabled(); },
                                10'000));
    testing::ProcessPending();  // the window is deleted once its run is over
    EXPECT_EQ(server.Accepted(), 1) << "three tests, one server that answers";
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].buttons, MsgButtons::YesNo);
    EXPECT_NE(messages.shown[0].text.find("Name: 127.0.0.1"), std::string::npos);
    EXPECT_EQ(Control<QComboBox>(s, "serverCombo")->currentText(), QStringLiteral("127.0.0.1"))
        << "Yes takes it";
    EXPECT_EQ(Control<QComboBox>(s, "serverCombo")->count(), 2) << "the list itself is unchanged";
    EXPECT_EQ(s.findChild<QDialog*>(), nullptr) << "the window is gone";
    EXPECT_TRUE(Control<QPushButton>(s, "autoButton")->isEnabled());
    s.hide();
}

// Test and Auto clicked over and over: the one server is asked at most once every 4 seconds,
// while the dialog stays live.
TEST_F(SetupPanels, BurstOfTestAndAutoClicksAsksTheServerOnlyEveryFourSeconds) {
    test::FakeNtpServer server(test::FakeNtpServer::Mode::Normal);
    server.SetOffsetMs(-480);
    ASSERT_TRUE(server.Listen());
    realQueryClock = true;  // the rule in real time, with the dialog live meanwhile
    SetupDialog& s = Start(testing::ClosedPort(), server.Port());
    Control<QComboBox>(s, "serverCombo")->clear();  // Auto tests the typed server alone
    Control<QComboBox>(s, "serverCombo")->setEditText(QStringLiteral("ntp:127.0.0.1"));
    s.show();

    int clicks = 0;
    QTimer test;
    QTimer autoTest;
    QObject::connect(&test, &QTimer::timeout, [&] {
        ++clicks;
        Control<QPushButton>(s, "testButton")->click();
    });
    QObject::connect(&autoTest, &QTimer::timeout, [&] {
        ++clicks;
        Control<QPushButton>(s, "autoButton")->click();
    });
    QElapsedTimer wall;
    wall.start();
    test.start(100);
    autoTest.start(130);
    QTest::qWait(6000);
    test.stop();
    autoTest.stop();
    // The test running then is over.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return Control<QPushButton>(s, "testButton")->isEnabled() &&
                   Control<QPushButton>(s, "autoButton")->isEnabled();
        },
        10'000));

    const std::vector<std::int64_t>& asked = server.Arrivals();
    ASSERT_GE(asked.size(), 2u);
    EXPECT_LE(static_cast<qint64>(asked.size()), 1 + wall.elapsed() / 4000);
    for (std::size_t i = 1; i < asked.size(); ++i) {
        EXPECT_GE(asked[i] - asked[i - 1], 3995) << "queries " << i - 1 << " and " << i;
    }
    EXPECT_GT(clicks, 60);
    ASSERT_FALSE(messages.shown.empty());
    EXPECT_NE(messages.shown[0].text.find("Difference with local time: "), std::string::npos);
    s.hide();
}

// The query belongs to the program: closing the main window during a test neither cuts the
// test short nor keeps the window.
TEST_F(SetupPanels, ClosingTheMainWindowDuringATestLeavesTheQueryAlone) {
    test::FakeTimeServer server(test::FakeTimeServer::Mode::Delayed);
    ASSERT_TRUE(server.Listen());
    SetupDialog& s = StartWithASynchronisationDue(server);
    QPointer<ClockWindow> main = Main();

    QTimer::singleShot(30, [&] {
        tray->timeService().RequestUpdateTime();  // a tick: the due synchronisation waits
        main->close();                            // the close box, during the wait
    });
    Click(s, "testButton");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !messages.shown.empty(); }, 5000));
    EXPECT_EQ(server.Accepted(), 1);
    EXPECT_EQ(store.Value("STLast"), "0");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::Information) << "the query finished its wait";
    testing::ProcessPending();
    EXPECT_TRUE(main.isNull()) << "the closed window is gone";
}

// A synchronisation started by the tick runs to its end when the window that ticked is closed
// during its wait, and records STLast.
TEST_F(SetupPanels, ClosingTheMainWindowDuringASynchronisationLetsItFinish) {
    test::FakeTimeServer server(test::FakeTimeServer::Mode::Delayed);
    ASSERT_TRUE(server.Listen());
    StartWithASynchronisationDue(server);
    QPointer<ClockWindow> main = Main();
    TimeService& time = tray->timeService();

    time.RequestUpdateTime();  // as the program's tick asks
    QTimer::singleShot(30, [&] { main->close(); });
    EXPECT_TRUE(QTest::qWaitFor([&] { return clockSetter.calls.size() == 1; }, 5000));
    EXPECT_FALSE(time.IsBusy());
    EXPECT_EQ(server.Accepted(), 1);
    EXPECT_EQ(state.preferences.Values().STLast, testing::kNow);
    EXPECT_NE(store.IndexOf("W STLast"), -1);
    testing::ProcessPending();
    EXPECT_TRUE(main.isNull());
    EXPECT_TRUE(messages.shown.empty());
}

// The busy state is announced once when a synchronisation starts and once when it ends, the
// question included; the setup dialog's buttons follow it without asking.
TEST_F(SetupPanels, BusyStateIsAnnouncedAroundTheWholeSynchronisation) {
    test::FakeTimeServer server(test::FakeTimeServer::Mode::Normal);
    ASSERT_TRUE(server.Listen());
    server.SetSeconds(testing::ServerSecondsForNow() + 180);  // asks whether to set the clock
    messages.answer = MsgAnswer::No;
    SetupDialog& s = Start(server.Port());
    s.show();
    TimeService& time = tray->timeService();
    std::vector<std::pair<bool, bool>> seen;  // busy, Test offered
    QObject::connect(&time, &TimeService::busyChanged, [&](bool busy) {
        seen.emplace_back(busy, Control<QPushButton>(s, "testButton")->isEnabled());
    });

    QSignalSpy synchronised(&time, &TimeService::synchronised);
    ASSERT_TRUE(time.SyncTime());
    ASSERT_TRUE(synchronised.wait(5000));
    EXPECT_EQ(synchronised[0][0].value<SyncOutcome>(), SyncOutcome::Declined);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(seen, (std::vector<std::pair<bool, bool>>{{true, false}, {false, true}}));
    s.hide();
}

TEST_F(SetupPanels, ExitDuringAutoStopsTheRunWithoutAQuestion) {
    test::FakeTimeServer server(test::FakeTimeServer::Mode::Delayed);
    ASSERT_TRUE(server.Listen());
    server.SetSeconds(testing::ServerSecondsForNow());
    server.SetPauseMs(150);
    SetupDialog& s = Start(server.Port());
    Control<QComboBox>(s, "serverCombo")->clear();
    Control<QComboBox>(s, "serverCombo")
        ->addItems({QStringLiteral("127.0.0.1"), QStringLiteral("127.0.0.1")});
    Control<QComboBox>(s, "serverCombo")->setEditText(QStringLiteral("127.0.0.1"));
    s.show();

    QTimer::singleShot(30, [&] { MenuItem("E&xit")->trigger(); });
    Click(s, "autoButton");
    // Over once the program has ended and the query under way has its answer.
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return tray->hasEnded() && !tray->timeService().IsBusy(); }, 5000));
    QTest::qWait(50);  // a next server would be asked by now
    EXPECT_EQ(server.Accepted(), 1) << "the run stops before its next server";
    EXPECT_TRUE(messages.shown.empty()) << "no proposal";
    EXPECT_TRUE(tray->hasEnded());
}

}  // namespace
}  // namespace horavia
