// Making and changing clocks with the editor: slots, announced rows, OK and Cancel.
#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "tests/editor/editor_fixture.h"

namespace horavia::testing {
namespace {

using ClockEditorTest = EditorTest;
using Texts = std::vector<std::string>;

// The slots OK stored clocks in, oldest first.
std::vector<int> StoredSlots(const QSignalSpy& spy) {
    std::vector<int> stored;
    for (const QList<QVariant>& arguments : spy) stored.push_back(arguments.at(0).toInt());
    return stored;
}

TEST_F(ClockEditorTest, NewFillsTheLowestEmptySlotThenGrowsTheList) {
    QSignalSpy stored(editor.get(), &ClockEditor::clockStored);
    ASSERT_TRUE(editor->prepareClock(2));  // the fields of the last use are all replaced
    editor->prepareNewClock();
    EXPECT_EQ(LabelEdit()->text(), QStringLiteral("(no name)"));
    EXPECT_TRUE(FormatEdit()->text().isEmpty());
    EXPECT_TRUE(EnabledCheck()->isChecked());
    EXPECT_EQ(ZoneCombo()->currentIndex(), -1);

    LabelEdit()->setText(QStringLiteral("Paris"));
    ChooseZone(kDelta);
    PressOk();
    EXPECT_EQ(StoredSlots(stored), (std::vector<int>{1}));
    ASSERT_EQ(state.Clocks().size(), 3u);
    EXPECT_EQ(state.Clocks()[1].Zone, kDelta);
    EXPECT_TRUE(state.Clocks()[1].Enabled);
    // Appended last, once, with everything the editor holds: a new clock, not slot 2 edited.
    EXPECT_EQ(rows.calls, (Texts{"added K0001|Paris|X|(UTC+01:00) Middle Europe"}));
    EXPECT_EQ(rows.RowKeys(), (Texts{"K0000", "K0002", "K0001"}));
    EXPECT_EQ(editor->result(), QDialog::Accepted);

    editor->prepareNewClock();
    ChooseZone(kGamma);
    EnabledCheck()->setChecked(false);
    QTest::keyClicks(FormatEdit(), QStringLiteral("hh:nn"));
    PressOk();
    ASSERT_EQ(state.Clocks().size(), 4u);
    EXPECT_EQ(state.Clocks()[3].Format, "hh:nn");
    EXPECT_FALSE(state.Clocks()[3].Enabled);
    EXPECT_EQ(rows.calls.back(), "added K0003|(no name)||(UTC) Greenwich");
    EXPECT_EQ(rows.RowKeys().back(), "K0003");
    EXPECT_EQ(StoredSlots(stored), (std::vector<int>{1, 3}));
}

TEST_F(ClockEditorTest, EditRewritesTheSameTextsAndTickingActiveGivesX) {
    QSignalSpy stored(editor.get(), &ClockEditor::clockStored);
    ASSERT_TRUE(editor->prepareClock(0));
    EXPECT_EQ(FormatEdit()->text(), QStringLiteral("hh:nn"));
    EXPECT_FALSE(EnabledCheck()->isChecked());
    PressOk();
    EXPECT_EQ(rows.calls, (Texts{"changed K0000| Tokyo ||(UTC+13:00) Zulu Islands"}));
    EXPECT_EQ(state.Clocks()[0].Label, " Tokyo ");  // as typed, blanks kept
    EXPECT_EQ(state.Clocks()[0].Format, "hh:nn");
    EXPECT_EQ(state.Clocks()[0].Zone, kAlpha);

    ASSERT_TRUE(editor->prepareClock(0));
    EnabledCheck()->setChecked(true);
    PressOk();
    EXPECT_EQ(rows.calls.back(), "changed K0000| Tokyo |X|(UTC+13:00) Zulu Islands");
    EXPECT_EQ(state.EnabledClocksInOrder(), (std::vector<int>{0, 2}));
    EXPECT_EQ(rows.RowKeys().size(), 2u);

    EXPECT_FALSE(editor->prepareClock(1));  // an empty slot has no row
    EXPECT_FALSE(editor->prepareClock(3));
    EXPECT_FALSE(editor->editClock(1));
    EXPECT_FALSE(editor->isVisible()) << "nothing to edit: not shown";
    // Still slot 0 is the one being edited.
    PressOk();
    EXPECT_EQ(rows.calls.back(), "changed K0000| Tokyo |X|(UTC+13:00) Zulu Islands");
    EXPECT_EQ(StoredSlots(stored), (std::vector<int>{0, 0, 0}));
}

TEST_F(ClockEditorTest, AZoneMissingFromTheListKeepsThePreviousChoice) {
    ClockEntry berlin = state.Clocks()[2];
    berlin.Zone = kZoneEmpty;  // never offered in the list
    state.book.Edit(2, berlin);
    ASSERT_TRUE(editor->prepareClock(0));
    ASSERT_TRUE(editor->prepareClock(2));
    EXPECT_EQ(SelectedZone(), kAlpha);
    editor->sortZoneList();  // now there is no previous choice: nothing can be stored
    ASSERT_TRUE(editor->prepareClock(2));
    EXPECT_EQ(ZoneCombo()->currentIndex(), -1);
    EXPECT_FALSE(OkButton()->isEnabled());
}

TEST_F(ClockEditorTest, OkStoresNothingWithoutAZoneOrWithABlankLabel) {
    const ClockList before = state.Clocks();
    editor->show();
    editor->prepareNewClock();
    EXPECT_FALSE(OkButton()->isEnabled());
    PressOk();
    QTest::keyClick(LabelEdit(), Qt::Key_Return);
    ASSERT_TRUE(editor->prepareClock(2));
    for (const char* blank : {"", "   ", " \t "}) {
        LabelEdit()->setText(QString::fromLatin1(blank));
        EXPECT_FALSE(OkButton()->isEnabled()) << '"' << blank << '"';
        PressOk();
        QTest::keyClick(LabelEdit(), Qt::Key_Return);
    }
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(state.Clocks().size(), before.size());
    EXPECT_EQ(state.Clocks()[2].Label, "Berlin");
    EXPECT_TRUE(rows.calls.empty());

    LabelEdit()->setText(QStringLiteral(" x "));
    EXPECT_TRUE(OkButton()->isEnabled());
    editor->hide();
}

TEST_F(ClockEditorTest, EnterRunsOkOnlyWhenItIsAvailable) {
    QSignalSpy finished(editor.get(), &QDialog::finished);
    editor->editNewClock();  // opens and returns: nothing waits for the editor
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->windowModality(), Qt::ApplicationModal);
    QTest::keyClick(LabelEdit(), Qt::Key_Return);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_TRUE(finished.isEmpty());
    ChooseZone(kBeta);
    QTest::keyClick(LabelEdit(), Qt::Key_Return);
    EXPECT_FALSE(editor->isVisible());
    ASSERT_EQ(finished.size(), 1);
    EXPECT_EQ(finished[0][0].toInt(), QDialog::Accepted);
    EXPECT_EQ(state.Clocks()[1].Zone, kBeta);
}

TEST_F(ClockEditorTest, CancelEscapeAndTheCloseBoxDiscardEveryChange) {
    const ClockEntry before = state.Clocks()[2];
    const auto change = [this] {
        ASSERT_TRUE(editor->prepareClock(2));
        editor->show();
        LabelEdit()->setText(QStringLiteral("Changed"));
        FormatEdit()->setText(QStringLiteral("yyyy"));
        EnabledCheck()->setChecked(false);
        ChooseZone(kBeta);
    };
    change();
    QTest::mouseClick(CancelButton(), Qt::LeftButton);
    EXPECT_FALSE(editor->isVisible());
    change();
    QTest::keyClick(editor.get(), Qt::Key_Escape);
    EXPECT_FALSE(editor->isVisible());
    change();
    editor->close();
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(editor->result(), QDialog::Rejected);
    const ClockEntry& after = state.Clocks()[2];
    EXPECT_EQ(std::tie(after.Label, after.Format, after.Zone, after.Enabled),
              std::tie(before.Label, before.Format, before.Zone, before.Enabled));
    EXPECT_TRUE(rows.calls.empty());
}

TEST_F(ClockEditorTest, FieldsSitInOrderAndTheLabelSelectsOnFocus) {
    editor->show();
    QCoreApplication::processEvents();
    const auto rowOf = [](const QWidget* w) { return w->geometry().center().y(); };
    const auto* labelCaption = Part<QLabel>(*editor, "labelCaption");
    const auto* formatCaption = Part<QLabel>(*editor, "formatCaption");
    const auto* formatHint = Part<QLabel>(*editor, "formatHint");
    // Label row: caption, field, check box, left to right; the format row likewise below it.
    EXPECT_LT(labelCaption->geometry().right(), LabelEdit()->x());
    EXPECT_LT(LabelEdit()->geometry().right(), EnabledCheck()->x());
    EXPECT_EQ(rowOf(labelCaption), rowOf(LabelEdit()));
    EXPECT_EQ(rowOf(EnabledCheck()), rowOf(LabelEdit()));
    EXPECT_LT(formatCaption->geometry().right(), FormatEdit()->x());
    EXPECT_LT(FormatEdit()->geometry().right(), formatHint->x());
    EXPECT_EQ(rowOf(formatHint), rowOf(FormatEdit()));
    EXPECT_EQ(LabelEdit()->x(), FormatEdit()->x());
    EXPECT_LT(LabelEdit()->geometry().bottom(), FormatEdit()->y());
    // Then the zone list, the map, and the buttons, OK left of Cancel, all inside.
    EXPECT_LT(FormatEdit()->geometry().bottom(), ZoneCombo()->y());
    EXPECT_LE(ZoneCombo()->geometry().bottom(), MapView()->y());
    EXPECT_LT(MapView()->geometry().bottom(), OkButton()->y());
    EXPECT_EQ(OkButton()->y(), CancelButton()->y());
    EXPECT_LT(OkButton()->geometry().right(), CancelButton()->x());
    EXPECT_TRUE(editor->rect().contains(CancelButton()->geometry()));
    // The map's inner area is exactly its picture, one picture pixel to a logical pixel.
    EXPECT_EQ(MapView()->contentsRect().size(), MapView()->picture().size());

    editor->prepareNewClock();
    QApplication::setActiveWindow(editor.get());
    ZoneCombo()->setFocus();
    LabelEdit()->setFocus(Qt::OtherFocusReason);  // the line edit would not select
    EXPECT_EQ(LabelEdit()->selectedText(), QStringLiteral("(no name)"));
}

TEST_F(ClockEditorTest, AClockOpensOnItsLabelAndTabFollowsTheScreen) {
    ASSERT_TRUE(editor->editClock(2));
    QApplication::setActiveWindow(editor.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor.get()));
    EXPECT_EQ(QApplication::focusWidget(), LabelEdit());
    // Top to bottom: the fields, the place search below them, the zone, the map, the hours
    // (unticked, so only their box), the buttons, and round again.
    const QStringList order = {"enabledCheck", "formatEdit",   "placeSearch",
                               "zoneCombo",    "worldMap",     "workingHoursBox",
                               "okButton",     "cancelButton", "labelEdit"};
    QStringList forward;
    for (qsizetype i = 0; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        forward << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(forward, order);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), CancelButton()) << "Shift+Tab walks back";
    editor->reject();
}

}  // namespace
}  // namespace horavia::testing
