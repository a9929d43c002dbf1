// The program from the keyboard alone and through a screen reader's eyes: every window's
// focusable controls have names, the clock window's rows are readable, the menu keys open the
// menu, and the clock list answers Space and Enter. Mnemonics never clash within a window.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <map>

#include "fake_notification_area.h"
#include "setup_controls.h"
#include "ui/convert/converter_window.h"
#include "ui/editor/clock_editor.h"
#include "ui/main/clock_window.h"
#include "ui/main/context_menu.h"
#include "ui/program/program.h"
#include "ui/setup/setup_dialog.h"
#include "ui_test_support.h"

namespace horavia {
namespace {

using testing::ClockList;
using testing::SelectClockRow;

QString NameOf(QObject* object) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face != nullptr ? face->text(QAccessible::Name) : QString();
}

// The focusable controls of a window with no accessible name, by object name and class.
QStringList UnnamedControls(QWidget& window) {
    QStringList unnamed;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        // Parts that pass their focus on (a combo box's field, a scroll area's viewport) and
        // popups of their own are not controls of this window.
        if (w->focusPolicy() == Qt::NoFocus || w->focusProxy() != nullptr || w->isWindow() ||
            w->window() != &window || qobject_cast<QMenu*>(w) != nullptr) {
            continue;
        }
        if (w->parentWidget() != nullptr && w->parentWidget()->focusProxy() == w) continue;
        if (NameOf(w).trimmed().isEmpty()) {
            unnamed << w->objectName() + QLatin1Char(':') + w->metaObject()->className();
        }
    }
    return unnamed;
}

// Every mnemonic letter of a window's captions, with the captions that use it.
std::map<QChar, QStringList> Mnemonics(QWidget& window) {
    std::map<QChar, QStringList> letters;
    const auto note = [&](const QString& caption) {
        for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
            if (caption[i] != QLatin1Char('&')) continue;
            if (caption[i + 1] == QLatin1Char('&')) {
                ++i;
                continue;
            }
            letters[caption[i + 1].toLower()] << caption;
        }
    };
    for (auto* button : window.findChildren<QAbstractButton*>()) note(button->text());
    for (auto* label : window.findChildren<QLabel*>()) {
        if (label->buddy() != nullptr) note(label->text());
    }
    for (auto* tabs : window.findChildren<QTabWidget*>()) {
        for (int i = 0; i < tabs->count(); ++i) note(tabs->tabText(i));
    }
    return letters;
}

class KeyboardAndReaders : public ::testing::Test, public testing::TestServices {
  protected:
    void Start(const std::vector<std::string>& clocks) {
        StoreClocks(clocks);
        ProgramOptions options;
        options.serverQueries = MakeServerTimeQuery;
        options.timePorts = {testing::ClosedPort(), testing::ClosedPort()};
        options.mapPicture = testing::TinyMap();
        options.openHelp = [] {};
        options.notificationArea = [] {
            return std::make_unique<testing::FakeNotificationArea>(true,
                                                                   TrayHostStyle::ClickActivates);
        };
        program = std::make_unique<Program>(state, clockSetter, options);
        bool running = false;
        program->start([&running](bool runs) { running = runs; });
        ASSERT_TRUE(running);
        program->openSetup();
    }
    SetupDialog& Setup() const { return *program->setupDialog(); }
    // The editor, made by a first New that is cancelled at once.
    ClockEditor& Editor() const {
        if (program->clockEditor() == nullptr) {
            testing::Click(Setup(), "newButton");
            program->clockEditor()->reject();
        }
        return *program->clockEditor();
    }
    QWidget& Converter() const {
        for (QAction* item : program->tray().menu()->actions()) {
            if (item->text() == QStringLiteral("&Convert")) item->trigger();
        }
        return *program->converter();
    }

    std::unique_ptr<Program> program;
};

TEST_F(KeyboardAndReaders, EveryFocusableControlHasANameAndNoMnemonicClashes) {
    Start({"Zulu|0|True", "Tokyo|Tokyo Standard Time|False"});
    ASSERT_NE(program->clockWindow(), nullptr);
    QWidget* windows[] = {program->clockWindow(), &Setup(), &Editor(), &Converter()};
    for (QWidget* window : windows) {
        EXPECT_EQ(UnnamedControls(*window), QStringList()) << window->windowTitle().toStdString();
        for (const auto& [letter, captions] : Mnemonics(*window)) {
            EXPECT_EQ(captions.size(), 1) << window->windowTitle().toStdString() << ": "
                                          << captions.join(QStringLiteral(", ")).toStdString();
        }
    }
    // Combo boxes are named for what they choose, not for the value they hold.
    EXPECT_EQ(NameOf(Setup().findChild<QComboBox*>(QStringLiteral("sortCombo"))),
              QStringLiteral("Sort timezones by"));
    auto* editorZones = Editor().findChild<QComboBox*>(QStringLiteral("zoneCombo"));
    EXPECT_EQ(NameOf(editorZones), QStringLiteral("Timezone"));
    editorZones->setCurrentIndex(0);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(editorZones)->text(QAccessible::Value),
              editorZones->currentText());
    // Every tab and every check box of the setup dialog has its key.
    auto* tabs = Setup().findChild<QTabWidget*>(QStringLiteral("tabs"));
    for (int i = 0; i < tabs->count(); ++i) EXPECT_TRUE(tabs->tabText(i).contains('&')) << i;
    // The page holder passes its focus to the tab bar, yet readers list it as focusable.
    EXPECT_FALSE(NameOf(tabs).isEmpty());
    for (auto* box : Setup().findChildren<QCheckBox*>()) {
        EXPECT_TRUE(box->text().contains('&')) << box->text().toStdString();
    }
}

TEST_F(KeyboardAndReaders, TheClockWindowReadsAsOneTextPerEnabledClock) {
    Start({"Zulu|0|True", "Off|0|False", "Tokyo|Tokyo Standard Time|True"});
    ClockWindow* window = program->clockWindow();
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(window);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->text(QAccessible::Name), QStringLiteral("Horavia"));
    ASSERT_EQ(face->childCount(), 2);
    EXPECT_EQ(face->child(0)->text(QAccessible::Name), QStringLiteral("Zulu, 11:30:15"));
    EXPECT_EQ(face->child(1)->text(QAccessible::Name), QStringLiteral("Tokyo, 20:30:15"));
    EXPECT_EQ(face->indexOfChild(face->child(1)), 1);
    EXPECT_EQ(face->child(1)->parent(), face);
    EXPECT_TRUE(face->child(0)->rect().intersects(face->rect()));
    EXPECT_EQ(
        face->childAt(face->child(1)->rect().center().x(), face->child(1)->rect().center().y()),
        face->child(1));

    // The rows follow the clock list; a row that goes is no longer valid.
    QAccessibleInterface* second = face->child(1);
    state.book.Enable(2, false);
    EXPECT_EQ(face->childCount(), 1);
    EXPECT_FALSE(second->isValid());
    state.book.Enable(1, true);
    ASSERT_EQ(face->childCount(), 2);
    EXPECT_EQ(face->child(1)->text(QAccessible::Name), QStringLiteral("Off, 11:30:15"));
}

TEST_F(KeyboardAndReaders, ShiftF10AndTheMenuKeyOpenTheMenuAtTheWindowOnItsFirstItem) {
    Start({"Zulu|0|True"});
    ClockWindow* window = program->clockWindow();
    QMenu* menu = program->tray().menu();
    QAction* first = menu->actions().value(0);
    ASSERT_NE(first, nullptr);
    ASSERT_EQ(first->text(), QStringLiteral("&Setup"));
    for (const auto& [key, modifiers] :
         {std::pair{Qt::Key_F10, Qt::ShiftModifier}, std::pair{Qt::Key_Menu, Qt::NoModifier}}) {
        menu->hide();
        QTest::keyClick(window, key, modifiers);
        EXPECT_TRUE(menu->isVisible()) << key;
        EXPECT_TRUE(window->frameGeometry().adjusted(-2, -2, 2, 2).contains(menu->pos()))
            << "opened at the window";
        EXPECT_EQ(menu->activeAction(), first) << key;
    }
    // Return triggers the highlighted item.
    QSignalSpy triggered(first, &QAction::triggered);
    QTest::keyClick(menu, Qt::Key_Return);
    EXPECT_EQ(triggered.count(), 1);
    // A right click opens the menu with nothing highlighted, as before.
    menu->hide();
    QTest::mouseClick(window, Qt::RightButton, {}, QPoint(4, 4));
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->activeAction(), nullptr);
    menu->hide();
    QTest::keyClick(window, Qt::Key_F10);
    EXPECT_FALSE(menu->isVisible()) << "F10 alone is not the menu key";
}

TEST(KeyboardMenu, TheFirstItemToHighlightIsTheFirstThatCanBeTriggered) {
    QMenu menu;
    menu.addAction(QStringLiteral("line"))->setEnabled(false);
    menu.addSeparator();
    menu.addAction(QStringLiteral("hidden"))->setVisible(false);
    QAction* first = menu.addAction(QStringLiteral("first"));
    menu.addAction(QStringLiteral("second"));
    EXPECT_EQ(FirstEnabledAction(menu), first);
    first->setEnabled(false);
    EXPECT_EQ(FirstEnabledAction(menu)->text(), QStringLiteral("second"));
    EXPECT_EQ(FirstEnabledAction(QMenu()), nullptr);
}

TEST_F(KeyboardAndReaders, SpaceTurnsTheSelectedClockOnAndOffEnterEditsIt) {
    Start({"Zulu|0|True", "Tokyo|Tokyo Standard Time|False"});
    SetupDialog& setup = Setup();
    QTreeView* list = ClockList(setup);
    const auto mark = [&](int row) {
        return testing::ClockCell(setup, row, 1).data(Qt::CheckStateRole).toInt();
    };
    list->setFocus();
    SelectClockRow(setup, 1);
    QTest::keyClick(list, Qt::Key_Space);
    EXPECT_TRUE(state.Clocks()[1].Enabled);
    EXPECT_EQ(mark(1), Qt::Checked);
    EXPECT_EQ(program->clockWindow()->rowCount(), 2) << "the main window follows";
    QTest::keyClick(list, Qt::Key_Space);
    EXPECT_FALSE(state.Clocks()[1].Enabled);
    EXPECT_EQ(mark(1), Qt::Unchecked);

    // Ticking the box is the same as Space.
    list->model()->setData(testing::ClockCell(setup, 0, 1), Qt::Unchecked, Qt::CheckStateRole);
    EXPECT_FALSE(state.Clocks()[0].Enabled);

    QTest::keyClick(list, Qt::Key_Return);
    ASSERT_NE(program->clockEditor(), nullptr);
    EXPECT_TRUE(program->clockEditor()->isVisible());
    EXPECT_EQ(program->clockEditor()->findChild<QLineEdit*>(QStringLiteral("labelEdit"))->text(),
              QStringLiteral("Tokyo"));
    program->clockEditor()->reject();
}

}  // namespace
}  // namespace horavia
