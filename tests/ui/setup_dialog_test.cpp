// The setup dialog: its frame, and the clock list showing and changing the display order.
#include "ui/setup/setup_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QTabBar>
#include <QTest>
#include <QToolTip>
#include <algorithm>

#include "setup_controls.h"
#include "ui/editor/clock_editor.h"
#include "ui_test_support.h"

namespace horavia {
namespace {

using testing::Click;
using testing::ClockCell;
using testing::ClockList;
using testing::Control;
using testing::DoubleClickClockRow;
using testing::SelectClockRow;
using testing::SelectedClockRow;

class SetupDialogTest : public ::testing::Test, public testing::TestServices {
  protected:
    // The dialog is created before the clocks are read: its list follows the load as it
    // follows any change of the program's clocks.
    void Open(const std::vector<std::string>& clocks) {
        StoreClocks(clocks);
        setup = std::make_unique<SetupDialog>(state);
        state.LoadSettings();
        ASSERT_TRUE(state.LoadCatalogue());
        store.log.clear();
    }
    // The rows' keys as the list shows them, which must be the program's display order.
    std::vector<std::string> Keys() const {
        const std::vector<std::string> shown = setup->rowKeys();
        EXPECT_EQ(shown, state.book.RowKeys()) << "the list shows the program's order";
        return shown;
    }
    QString Cell(int row, int column) const {
        return ClockCell(*setup, row, column).data().toString();
    }
    // The row's on/off check box.
    bool Marked(int row) const {
        return ClockCell(*setup, row, 1).data(Qt::CheckStateRole).toInt() == Qt::Checked;
    }
    std::string Label(int slot) const {
        return state.Clocks()[static_cast<std::size_t>(slot)].Label;
    }

    QString Caption(const char* button) const {
        return Control<QPushButton>(*setup, button)->text();
    }

    std::unique_ptr<SetupDialog> setup;
};

const std::vector<std::string> kThree{"Zulu|0|True", "Tokyo|Tokyo Standard Time|False",
                                      "Berlin|W. Europe Standard Time|True"};

TEST_F(SetupDialogTest, FrameTabsAndColumns) {
    Open(kThree);
    EXPECT_EQ(setup->windowTitle(), QStringLiteral("Horavia Timezones"));
    auto* tabStrip = Control<QTabWidget>(*setup, "tabs");
    ASSERT_NE(tabStrip, nullptr);
    ASSERT_EQ(tabStrip->count(), 4);
    const QStringList tabs{"&Timezones", "&Settings", "TimeS&ync", "Default &Format"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(tabStrip->tabText(i), tabs[i]);
    EXPECT_EQ(tabStrip->currentIndex(), 0);
    QTreeView* list = ClockList(*setup);
    ASSERT_NE(list, nullptr);
    const auto header = [&](int column) {
        return list->model()->headerData(column, Qt::Horizontal).toString();
    };
    EXPECT_EQ(header(0), QStringLiteral("Name"));
    EXPECT_EQ(header(1), QString());
    EXPECT_EQ(header(2), QStringLiteral("Timezone"));
    EXPECT_EQ(list->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(Caption("newButton"), QStringLiteral("&New"));
    EXPECT_EQ(Caption("editButton"), QStringLiteral("&Edit"));
    EXPECT_EQ(Caption("deleteButton"), QStringLiteral("&Delete"));
    EXPECT_EQ(Caption("closeButton"), QStringLiteral("&Close"));
    EXPECT_EQ(Caption("helpButton"), QStringLiteral("&Help"));

    setup->show();
    EXPECT_LE(tabStrip->tabBar()->sizeHint().width(), tabStrip->width())
        << "the four tabs fit side by side";
    const double w0 = list->columnWidth(0);
    const double w2 = list->columnWidth(2);
    EXPECT_NEAR(w2 / w0, 3678.0 / 1764.0, 0.05);
    // The on/off column keeps its share, widened only as far as its check box needs.
    const int markMinimum = list->style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                            2 * list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 2;
    EXPECT_EQ(list->columnWidth(1),
              std::max(static_cast<int>(list->viewport()->width() * 123 / 5565), markMinimum));
    const QSize usual(350, 282);
    const QSize frame = setup->frameGeometry().size() - setup->size();
    EXPECT_EQ(setup->frameGeometry().size(), usual.expandedTo(setup->minimumSize() + frame))
        << "the usual size, larger only where the font needs more";
    EXPECT_LT(setup->minimumHeight(), setup->maximumHeight()) << "resizable";
}

TEST_F(SetupDialogTest, TextsTooLongForTheirColumnShowWholeInATooltip) {
    const std::string longName(60, 'N');
    Open({longName + "|Tokyo Standard Time|True", "Zulu|0|True"});
    setup->show();
    QTreeView* list = ClockList(*setup);
    const auto tipAt = [&](int row, int column) {
        QToolTip::hideText();  // hidden a moment later
        EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000));
        const QRect cell = list->visualRect(list->model()->index(row, column));
        QHelpEvent help(QEvent::ToolTip, cell.center(),
                        list->viewport()->mapToGlobal(cell.center()));
        QApplication::sendEvent(list->viewport(), &help);
        // The tip shows from the event loop.
        return QTest::qWaitFor([] { return QToolTip::isVisible(); }, 500) ? QToolTip::text()
                                                                          : QString();
    };
    EXPECT_EQ(tipAt(0, 0), QString::fromStdString(longName));
    EXPECT_EQ(tipAt(1, 0), QString()) << "a name that fits has no tooltip";
    EXPECT_EQ(tipAt(0, 1), QString()) << "the mark is never elided";
    QToolTip::hideText();
}

TEST_F(SetupDialogTest, RowsFollowTheSlotsWithKeysAndMarks) {
    Open({"Zulu|0|True", "|0|False", "Tokyo|Tokyo Standard Time|False"});
    EXPECT_EQ(Keys(), (std::vector<std::string>{"K0000", "K0002"})) << "no row for an empty slot";
    EXPECT_TRUE(Marked(0));
    EXPECT_EQ(Cell(1, 0), QStringLiteral("Tokyo"));
    EXPECT_FALSE(Marked(1)) << "a disabled clock keeps its row";
    EXPECT_EQ(Cell(1, 2), QStringLiteral("(UTC+09:00) Osaka, Tokyo"));
    EXPECT_EQ(Cell(0, 2), QStringLiteral("(UTC) Coordinated Universal Time"));
    EXPECT_EQ(SelectedClockRow(*setup), 0);
}

TEST_F(SetupDialogTest, DeleteAsksThenFreesTheSlotForTheNextNewClock) {
    Open(kThree);
    messages.answer = MsgAnswer::No;
    SelectClockRow(*setup, 1);
    Click(*setup, "deleteButton");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "Are you sure you want to delete this timezone permanently ?");
    EXPECT_EQ(messages.shown[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::Question);
    EXPECT_EQ(Keys().size(), 3u) << "No leaves row and slot";
    EXPECT_EQ(Label(1), "Tokyo");

    messages.answer = MsgAnswer::Yes;
    Click(*setup, "deleteButton");
    EXPECT_EQ(Keys(), (std::vector<std::string>{"K0000", "K0002"}));
    EXPECT_EQ(Label(1), "");
    EXPECT_FALSE(state.Clocks()[1].Enabled);
    EXPECT_TRUE(store.log.empty()) << "nothing is stored before Close";

    // The clock editor's next new clock takes slot 1 and its row goes last.
    ClockEditor editor(state, nullptr, testing::TinyMap());
    editor.sortZoneList();
    editor.prepareNewClock();
    editor.findChild<QLineEdit*>(QStringLiteral("labelEdit"))->setText(QStringLiteral("Eastern"));
    editor.findChild<QComboBox*>(QStringLiteral("zoneCombo"))->setCurrentIndex(0);
    QTest::mouseClick(editor.findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
    EXPECT_EQ(Keys(), (std::vector<std::string>{"K0000", "K0002", "K0001"}));
    EXPECT_EQ(Label(1), "Eastern");
}

TEST_F(SetupDialogTest, UpAndDownMoveRowsNotSlots) {
    Open(kThree);
    SelectClockRow(*setup, 0);
    Click(*setup, "upButton");
    SelectClockRow(*setup, 2);
    Click(*setup, "downButton");
    EXPECT_EQ(Keys(), (std::vector<std::string>{"K0000", "K0001", "K0002"})) << "ends stay";

    SelectClockRow(*setup, 0);
    Click(*setup, "downButton");
    EXPECT_EQ(Keys(), (std::vector<std::string>{"K0001", "K0000", "K0002"}));
    EXPECT_EQ(SelectedClockRow(*setup), 1) << "the moved row stays selected";
    EXPECT_EQ(Cell(1, 0), QStringLiteral("Zulu"));
    SelectClockRow(*setup, 2);
    Click(*setup, "upButton");
    EXPECT_EQ(Keys(), (std::vector<std::string>{"K0001", "K0002", "K0000"}));
    EXPECT_EQ(state.Clocks()[0].Label, "Zulu") << "the clock list keeps its slots";
    EXPECT_EQ(state.EnabledClocksInOrder(), (std::vector<int>{2, 0})) << "display order";

    // Close stores the clocks in row order.
    setup->show();
    Click(*setup, "closeButton");
    EXPECT_FALSE(setup->isVisible());
    EXPECT_EQ(store.Value("S0Dis"), "Tokyo");
    EXPECT_EQ(store.Value("S1Dis"), "Berlin");
    EXPECT_EQ(store.Value("S2Dis"), "Zulu");
}

TEST_F(SetupDialogTest, TheOrderOutlivesTheDialogAndChangesFromElsewhereShow) {
    Open(kThree);
    SelectClockRow(*setup, 0);
    Click(*setup, "downButton");
    state.book.Enable(0, false);  // as another window would
    EXPECT_FALSE(Marked(1)) << "the list follows the program's clocks";
    setup.reset();
    EXPECT_EQ(state.book.RowKeys(), (std::vector<std::string>{"K0001", "K0000", "K0002"}));
    EXPECT_EQ(state.EnabledClocksInOrder(), (std::vector<int>{2}));
    state.book.Delete(1);  // nothing listens: nothing may reach the dialog that is gone

    setup = std::make_unique<SetupDialog>(state);  // any time: it shows the clocks as they are
    EXPECT_EQ(Keys(), (std::vector<std::string>{"K0000", "K0002"}));
    EXPECT_EQ(Cell(0, 0), QStringLiteral("Zulu"));
    EXPECT_TRUE(Marked(1));
    EXPECT_EQ(SelectedClockRow(*setup), 0);
}

TEST_F(SetupDialogTest, RenameRefusesBlanksAndKeepsSurroundingBlanks) {
    Open(kThree);
    SelectClockRow(*setup, 1);

    // In the list itself: the typed text reaches row and clock only when accepted.
    setup->show();
    QTreeView* list = ClockList(*setup);
    auto rename = [&](const QString& text) {
        list->edit(ClockCell(*setup, 1, 0));
        auto* editor = list->viewport()->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr);
        editor->setText(text);
        QTest::keyClick(editor, Qt::Key_Return);
        testing::ProcessPending();  // the list commits the text, then the editor goes
    };
    rename(QStringLiteral("   "));
    EXPECT_EQ(Cell(1, 0), QStringLiteral("Tokyo"));
    EXPECT_EQ(Label(1), "Tokyo");
    rename(QStringLiteral(" Osaka "));
    EXPECT_EQ(Cell(1, 0), QStringLiteral(" Osaka "));
    EXPECT_EQ(Label(1), " Osaka ");

    // Only the name can be edited in place.
    list->edit(ClockCell(*setup, 1, 2));
    EXPECT_EQ(list->viewport()->findChild<QLineEdit*>(), nullptr);
}

TEST_F(SetupDialogTest, CloseBoxAndEscRunClose) {
    Open(kThree);
    SelectClockRow(*setup, 0);
    Click(*setup, "downButton");
    setup->show();
    setup->close();
    EXPECT_FALSE(setup->isVisible());
    EXPECT_EQ(store.Value("S0Dis"), "Tokyo");
    EXPECT_EQ(store.Value("SZoneNum"), "3");

    setup->show();
    store.log.clear();
    QTest::keyClick(setup.get(), Qt::Key_Escape);
    EXPECT_FALSE(setup->isVisible());
    EXPECT_NE(store.IndexOf("W SZoneNum"), -1);

    // The program ending closes it without saving.
    setup->show();
    store.log.clear();
    setup->closeForShutDown();
    EXPECT_FALSE(setup->isVisible());
    EXPECT_TRUE(store.log.empty());
}

TEST_F(SetupDialogTest, CommandsWithoutRowsDoNothing) {
    Open({"Zulu|0|True"});
    QSignalSpy edits(setup.get(), &SetupDialog::editClockRequested);
    SelectClockRow(*setup, 0);
    Click(*setup, "deleteButton");
    EXPECT_TRUE(Keys().empty());
    const std::size_t asked = messages.shown.size();
    Click(*setup, "deleteButton");
    Click(*setup, "upButton");
    Click(*setup, "downButton");
    Click(*setup, "editButton");
    EXPECT_EQ(messages.shown.size(), asked);
    EXPECT_EQ(SelectedClockRow(*setup), -1);
    EXPECT_EQ(edits.count(), 0) << "Edit asks for no clock";
}

TEST_F(SetupDialogTest, NewAndEditAskForTheEditorWithTheSelectedClock) {
    Open(kThree);
    QSignalSpy news(setup.get(), &SetupDialog::newClockRequested);
    QSignalSpy edits(setup.get(), &SetupDialog::editClockRequested);
    SelectClockRow(*setup, 0);
    Click(*setup, "downButton");  // rows Tokyo, Zulu, Berlin
    Click(*setup, "newButton");
    EXPECT_EQ(news.count(), 1);
    SelectClockRow(*setup, 0);
    Click(*setup, "editButton");
    setup->show();
    DoubleClickClockRow(*setup, 2);
    ASSERT_EQ(edits.count(), 2);
    EXPECT_EQ(edits[0][0].toInt(), 1) << "the slot of the row, not its place";
    EXPECT_EQ(edits[1][0].toInt(), 2);
    EXPECT_EQ(news.count(), 1);
    EXPECT_TRUE(store.log.empty()) << "asking stores nothing";
}

// Close hands every choice to the preferences at once: one write of the settings file, the
// clocks first, then one announcement of them all, made once the dialog is hidden.
TEST_F(SetupDialogTest, CloseAppliesEveryChoiceInOneWriteAndOneAnnouncement) {
    Open(kThree);
    std::vector<std::string> told;
    const int listener = state.preferences.Subscribe([&](const PreferenceChange& change) {
        const Preferences& p = state.preferences.Values();
        told.push_back(std::string(p.StartUp ? "startUp" : "-") + (p.ShowWnd ? " show" : " hide") +
                       " sort " + std::to_string(p.SortBy) + (p.AlwaysOnTop ? " onTop" : "") +
                       (setup->isVisible() ? " shown" : ""));
        EXPECT_TRUE(change.Touches(&Preferences::SingleClick) &&
                    change.Touches(&Preferences::DefaultFormat))
            << "unchanged choices are applied again";
        store.log.push_back("told");
    });
    Control<QCheckBox>(*setup, "startUpCheck")->setChecked(true);
    Control<QCheckBox>(*setup, "showWindowCheck")->setChecked(false);
    Control<QCheckBox>(*setup, "alwaysOnTopCheck")->setChecked(true);
    Control<QComboBox>(*setup, "sortCombo")->setCurrentIndex(2);
    setup->show();
    const std::size_t fileWrites = store.Commits();
    Click(*setup, "closeButton");
    state.preferences.Unsubscribe(listener);

    EXPECT_EQ(told, (std::vector<std::string>{"startUp hide sort 2 onTop"}));
    EXPECT_EQ(store.Commits(), fileWrites + 1);
    EXPECT_LT(store.IndexOf("W S2Ena"), store.IndexOf("W AlwaysOnTop")) << "clocks first";
    EXPECT_LT(store.IndexOf("W DefaultFormat"), store.IndexOf("told")) << "stored, then told";
}

}  // namespace
}  // namespace horavia
