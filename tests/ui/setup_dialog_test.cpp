// The setup dialog: its frame, and the clock list showing and changing the display order.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include "ui/editor/clock_editor.h"
#include "ui/main/twips.h"
#include "ui/setup/frm_setup.h"
#include "ui_test_support.h"

namespace horavia {
namespace {

class SetupDialog : public ::testing::Test, public testing::TestServices {
  protected:
    void Open(const std::vector<std::string>& clocks) {
        StoreClocks(clocks);
        state.StartupLoadFlag = true;
        setup = std::make_unique<frmSetup>(state, [this] { ++fatalExits; });
        state.StartupLoadFlag = false;
        PreferencesView noControls;
        state.LoadSettings(noControls);
        ASSERT_TRUE(state.LoadCatalogue());
        store.log.clear();
    }
    // The rows' keys as the list shows them, which must be the program's display order.
    std::vector<std::string> Keys() const {
        const std::vector<std::string> shown = setup->RowKeys();
        EXPECT_EQ(shown, state.book.RowKeys()) << "the list shows the program's order";
        return shown;
    }
    QString Cell(int row, int column) const {
        return setup->LVSZones->topLevelItem(row)->text(column);
    }
    std::string Label(int slot) const { return state.clocks[static_cast<std::size_t>(slot)].Label; }

    std::unique_ptr<frmSetup> setup;
    int fatalExits = 0;
};

const std::vector<std::string> kThree{"Zulu|0|True", "Tokyo|Tokyo Standard Time|False",
                                      "Berlin|W. Europe Standard Time|True"};

TEST_F(SetupDialog, FrameTabsAndColumns) {
    Open(kThree);
    EXPECT_EQ(fatalExits, 0);
    EXPECT_EQ(setup->windowTitle(), QStringLiteral("Horavia Timezones"));
    ASSERT_EQ(setup->TabStrip->count(), 4);
    const QStringList tabs{"Timezones", "Settings", "TimeSync", "Default Format"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(setup->TabStrip->tabText(i), tabs[i]);
    EXPECT_EQ(setup->TabStrip->currentIndex(), 0);
    const QTreeWidgetItem* header = setup->LVSZones->headerItem();
    EXPECT_EQ(header->text(0), QStringLiteral("Name"));
    EXPECT_EQ(header->text(1), QString());
    EXPECT_EQ(header->text(2), QStringLiteral("Timezone"));
    EXPECT_EQ(setup->LVSZones->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(setup->cmdNew->text(), QStringLiteral("&New"));
    EXPECT_EQ(setup->cmdEdit->text(), QStringLiteral("&Edit"));
    EXPECT_EQ(setup->cmdDelete->text(), QStringLiteral("&Delete"));
    EXPECT_EQ(setup->cmdClose->text(), QStringLiteral("&Close"));
    EXPECT_EQ(setup->cmdHelp->text(), QStringLiteral("&Help"));

    setup->show();
    EXPECT_LE(setup->TabStrip->tabBar()->sizeHint().width(), setup->TabStrip->width())
        << "the four tabs fit side by side";
    const double w0 = setup->LVSZones->columnWidth(0);
    const double w2 = setup->LVSZones->columnWidth(2);
    EXPECT_NEAR(w2 / w0, 3678.0 / 1764.0, 0.05);
    EXPECT_NEAR(setup->LVSZones->columnWidth(1) / w0, 123.0 / 1764.0, 0.02);
    const double tpp = TwipsPerPixel(setup.get());  // 15 at 96 dpi: 350 x 282 pixels
    EXPECT_EQ(setup->frameGeometry().width(), PixelsFromTwips(5250, tpp));
    EXPECT_EQ(setup->frameGeometry().height(), PixelsFromTwips(4230, tpp));
}

TEST_F(SetupDialog, RefusedOutsideTheStartUp) {
    frmSetup late(state, [this] { ++fatalExits; });
    EXPECT_EQ(fatalExits, 1);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Severe error, ending program");
    EXPECT_EQ(messages.shown[0].title, "Horavia");
    EXPECT_EQ(messages.shown[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::Critical);
}

TEST_F(SetupDialog, RowsFollowTheSlotsWithKeysAndMarks) {
    Open({"Zulu|0|True", "|0|False", "Tokyo|Tokyo Standard Time|False"});
    EXPECT_EQ(Keys(), (std::vector<std::string>{"K0000", "K0002"})) << "no row for an empty slot";
    EXPECT_EQ(Cell(0, 1), QStringLiteral("X"));
    EXPECT_EQ(Cell(1, 0), QStringLiteral("Tokyo"));
    EXPECT_EQ(Cell(1, 1), QString()) << "a disabled clock keeps its row";
    EXPECT_EQ(Cell(1, 2), QStringLiteral("(UTC+09:00) Osaka, Tokyo"));
    EXPECT_EQ(Cell(0, 2), QStringLiteral("(UTC) Coordinated Universal Time"));
    EXPECT_EQ(setup->SelectedRow(), 0);
}

TEST_F(SetupDialog, DeleteAsksThenFreesTheSlotForTheNextNewClock) {
    Open(kThree);
    messages.answer = MsgAnswer::No;
    setup->SelectRow(1);
    setup->cmdDelete_Click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "Are you sure you want to delete this timezone permanently ?");
    EXPECT_EQ(messages.shown[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::Question);
    EXPECT_EQ(Keys().size(), 3u) << "No leaves row and slot";
    EXPECT_EQ(Label(1), "Tokyo");

    messages.answer = MsgAnswer::Yes;
    setup->cmdDelete_Click();
    EXPECT_EQ(Keys(), (std::vector<std::string>{"K0000", "K0002"}));
    EXPECT_EQ(Label(1), "");
    EXPECT_FALSE(state.clocks[1].Enabled);
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

TEST_F(SetupDialog, UpAndDownMoveRowsNotSlots) {
    Open(kThree);
    setup->SelectRow(0);
    setup->cmdUp_Click();
    setup->SelectRow(2);
    setup->cmdDn_Click();
    EXPECT_EQ(Keys(), (std::vector<std::string>{"K0000", "K0001", "K0002"})) << "ends stay";

    setup->SelectRow(0);
    setup->cmdDn_Click();
    EXPECT_EQ(Keys(), (std::vector<std::string>{"K0001", "K0000", "K0002"}));
    EXPECT_EQ(setup->SelectedRow(), 1) << "the moved row stays selected";
    EXPECT_EQ(Cell(1, 0), QStringLiteral("Zulu"));
    setup->SelectRow(2);
    setup->cmdUp_Click();
    EXPECT_EQ(Keys(), (std::vector<std::string>{"K0001", "K0002", "K0000"}));
    EXPECT_EQ(state.clocks[0].Label, "Zulu") << "the clock list keeps its slots";
    EXPECT_EQ(state.EnabledClocksInOrder(), (std::vector<int>{2, 0})) << "display order";

    // Close stores the clocks in row order.
    setup->show();
    setup->cmdClose_Click();
    EXPECT_FALSE(setup->isVisible());
    EXPECT_EQ(store.Value("S0Dis"), "Tokyo");
    EXPECT_EQ(store.Value("S1Dis"), "Berlin");
    EXPECT_EQ(store.Value("S2Dis"), "Zulu");
}

TEST_F(SetupDialog, TheOrderOutlivesTheDialogAndChangesFromElsewhereShow) {
    Open(kThree);
    setup->SelectRow(0);
    setup->cmdDn_Click();
    state.book.Enable(0, false);  // as another window would
    EXPECT_EQ(Cell(1, 1), QString()) << "the list follows the program's clocks";
    setup.reset();
    EXPECT_EQ(state.book.RowKeys(), (std::vector<std::string>{"K0001", "K0000", "K0002"}));
    EXPECT_EQ(state.EnabledClocksInOrder(), (std::vector<int>{2}));
    state.book.Delete(1);  // nothing listens: nothing may reach the dialog that is gone

    state.StartupLoadFlag = true;
    setup = std::make_unique<frmSetup>(state, [this] { ++fatalExits; });
    state.StartupLoadFlag = false;
    EXPECT_EQ(Keys(), (std::vector<std::string>{"K0000", "K0002"}));
    EXPECT_EQ(Cell(0, 0), QStringLiteral("Zulu"));
    EXPECT_EQ(Cell(1, 1), QStringLiteral("X"));
    EXPECT_EQ(setup->SelectedRow(), 0);
}

TEST_F(SetupDialog, RenameRefusesBlanksAndKeepsSurroundingBlanks) {
    Open(kThree);
    setup->SelectRow(1);
    bool cancel = false;
    setup->LVSZones_AfterLabelEdit(cancel, QStringLiteral("   "));
    EXPECT_TRUE(cancel);
    EXPECT_EQ(Label(1), "Tokyo");

    // Through the list itself: the typed text reaches row and clock only when accepted.
    setup->show();
    QTreeWidgetItem* row = setup->LVSZones->topLevelItem(1);
    auto rename = [&](const QString& text) {
        setup->LVSZones->editItem(row, 0);
        auto* editor = setup->LVSZones->viewport()->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr);
        editor->setText(text);
        QTest::keyClick(editor, Qt::Key_Return);
        testing::ProcessPending();  // the list commits the text, then the editor goes
    };
    rename(QStringLiteral("   "));
    EXPECT_EQ(row->text(0), QStringLiteral("Tokyo"));
    EXPECT_EQ(Label(1), "Tokyo");
    rename(QStringLiteral(" Osaka "));
    EXPECT_EQ(row->text(0), QStringLiteral(" Osaka "));
    EXPECT_EQ(Label(1), " Osaka ");

    // Only the name can be edited in place.
    setup->LVSZones->editItem(row, 2);
    EXPECT_EQ(setup->LVSZones->viewport()->findChild<QLineEdit*>(), nullptr);
}

TEST_F(SetupDialog, CloseBoxAndEscRunClose) {
    Open(kThree);
    setup->SelectRow(0);
    setup->cmdDn_Click();
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
    setup->CloseForShutDown();
    EXPECT_FALSE(setup->isVisible());
    EXPECT_TRUE(store.log.empty());
}

TEST_F(SetupDialog, CommandsWithoutRowsDoNothing) {
    Open({"Zulu|0|True"});
    setup->SelectRow(0);
    setup->cmdDelete_Click();
    EXPECT_TRUE(Keys().empty());
    const std::size_t asked = messages.shown.size();
    setup->cmdDelete_Click();
    setup->cmdUp_Click();
    setup->cmdDn_Click();
    EXPECT_EQ(messages.shown.size(), asked);
    EXPECT_EQ(setup->SelectedRow(), -1);
}

}  // namespace
}  // namespace horavia
