// Making and changing clocks with the editor: slots, announced rows, OK and Cancel.
#include <QApplication>
#include <QTest>
#include <QTimer>

#include "tests/editor/editor_fixture.h"

namespace horavia::testing {
namespace {

using ClockEditor = EditorTest;
using Texts = std::vector<std::string>;

TEST_F(ClockEditor, NewFillsTheLowestEmptySlotThenGrowsTheList) {
    ASSERT_TRUE(editor->PrepareEdit(2));  // the fields of the last use are all replaced
    editor->PrepareNew();
    EXPECT_EQ(state.EditSlot, -1);
    EXPECT_EQ(editor->txtLabel->text(), QStringLiteral("(no name)"));
    EXPECT_TRUE(editor->txtFormat->text().isEmpty());
    EXPECT_TRUE(editor->chkActive->isChecked());
    EXPECT_EQ(editor->cmbZone->currentIndex(), -1);

    editor->txtLabel->setText(QStringLiteral("Paris"));
    editor->cmbZone_Set(kDelta);
    editor->cmdOK_Click();
    EXPECT_EQ(state.EditSlot, 1);
    ASSERT_EQ(state.clocks.size(), 3u);
    EXPECT_EQ(state.clocks[1].Zone, kDelta);
    EXPECT_TRUE(state.clocks[1].Enabled);
    // Appended last, once, with everything the editor holds.
    EXPECT_EQ(rows.calls, (Texts{"added K0001|Paris|X|(UTC+01:00) Middle Europe"}));
    EXPECT_EQ(rows.RowKeys(), (Texts{"K0000", "K0002", "K0001"}));
    EXPECT_EQ(editor->result(), QDialog::Accepted);

    editor->PrepareNew();
    editor->cmbZone_Set(kGamma);
    editor->chkActive->setChecked(false);
    editor->txtFormat->setText(QStringLiteral("hh:nn"));
    editor->cmdOK_Click();
    ASSERT_EQ(state.clocks.size(), 4u);
    EXPECT_EQ(state.clocks[3].Format, "hh:nn");
    EXPECT_FALSE(state.clocks[3].Enabled);
    EXPECT_EQ(rows.calls.back(), "added K0003|(no name)||(UTC) Greenwich");
    EXPECT_EQ(rows.RowKeys().back(), "K0003");
}

TEST_F(ClockEditor, EditRewritesTheSameTextsAndTickingActiveGivesX) {
    ASSERT_TRUE(editor->PrepareEdit(0));
    EXPECT_EQ(editor->txtFormat->text(), QStringLiteral("hh:nn"));
    EXPECT_FALSE(editor->chkActive->isChecked());
    editor->cmdOK_Click();
    EXPECT_EQ(rows.calls, (Texts{"changed K0000| Tokyo ||(UTC+13:00) Zulu Islands"}));
    EXPECT_EQ(state.clocks[0].Label, " Tokyo ");  // as typed, blanks kept
    EXPECT_EQ(state.clocks[0].Format, "hh:nn");
    EXPECT_EQ(state.clocks[0].Zone, kAlpha);

    ASSERT_TRUE(editor->PrepareEdit(0));
    editor->chkActive->setChecked(true);
    editor->cmdOK_Click();
    EXPECT_EQ(rows.calls.back(), "changed K0000| Tokyo |X|(UTC+13:00) Zulu Islands");
    EXPECT_EQ(state.EnabledClocksInOrder(), (std::vector<int>{0, 2}));
    EXPECT_EQ(rows.RowKeys().size(), 2u);

    EXPECT_FALSE(editor->PrepareEdit(1));  // an empty slot has no row
    EXPECT_FALSE(editor->PrepareEdit(3));
    EXPECT_EQ(state.EditSlot, 0);
}

TEST_F(ClockEditor, AZoneMissingFromTheListKeepsThePreviousChoice) {
    state.clocks[2].Zone = kZoneEmpty;  // never offered in the list
    ASSERT_TRUE(editor->PrepareEdit(0));
    ASSERT_TRUE(editor->PrepareEdit(2));
    EXPECT_EQ(SelectedZone(), kAlpha);
    editor->SortList();  // now there is no previous choice: nothing can be stored
    ASSERT_TRUE(editor->PrepareEdit(2));
    EXPECT_EQ(editor->cmbZone->currentIndex(), -1);
    EXPECT_FALSE(editor->cmdOK->isEnabled());
}

TEST_F(ClockEditor, OkStoresNothingWithoutAZoneOrWithABlankLabel) {
    const ClockList before = state.clocks;
    editor->PrepareNew();
    EXPECT_FALSE(editor->cmdOK->isEnabled());
    editor->cmdOK_Click();
    ASSERT_TRUE(editor->PrepareEdit(2));
    for (const char* blank : {"", "   ", " \t "}) {
        editor->txtLabel->setText(QString::fromLatin1(blank));
        EXPECT_FALSE(editor->cmdOK->isEnabled()) << '"' << blank << '"';
        editor->cmdOK_Click();
    }
    EXPECT_EQ(state.clocks.size(), before.size());
    EXPECT_EQ(state.clocks[2].Label, "Berlin");
    EXPECT_TRUE(rows.calls.empty());

    editor->txtLabel->setText(QStringLiteral(" x "));
    EXPECT_TRUE(editor->cmdOK->isEnabled());
}

TEST_F(ClockEditor, EnterRunsOkOnlyWhenItIsAvailable) {
    QTimer::singleShot(0, editor.get(), [this] {
        EXPECT_TRUE(editor->isModal());
        QTest::keyClick(editor->txtLabel, Qt::Key_Return);
        EXPECT_TRUE(editor->isVisible());
        editor->cmbZone_Set(kBeta);
        QTest::keyClick(editor->txtLabel, Qt::Key_Return);
    });
    EXPECT_EQ(editor->ShowNew(), QDialog::Accepted);
    EXPECT_EQ(state.clocks[1].Zone, kBeta);
}

TEST_F(ClockEditor, CancelEscapeAndTheCloseBoxDiscardEveryChange) {
    const ClockEntry before = state.clocks[2];
    const auto change = [this] {
        ASSERT_TRUE(editor->PrepareEdit(2));
        editor->show();
        editor->txtLabel->setText(QStringLiteral("Changed"));
        editor->txtFormat->setText(QStringLiteral("yyyy"));
        editor->chkActive->setChecked(false);
        editor->cmbZone_Set(kBeta);
    };
    change();
    QTest::mouseClick(editor->cmdCancel, Qt::LeftButton);
    EXPECT_FALSE(editor->isVisible());
    change();
    QTest::keyClick(editor.get(), Qt::Key_Escape);
    EXPECT_FALSE(editor->isVisible());
    change();
    editor->close();
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(editor->result(), QDialog::Rejected);
    const ClockEntry& after = state.clocks[2];
    EXPECT_EQ(std::tie(after.Label, after.Format, after.Zone, after.Enabled),
              std::tie(before.Label, before.Format, before.Zone, before.Enabled));
    EXPECT_TRUE(rows.calls.empty());
}

TEST_F(ClockEditor, FieldsSitAtTheirPlacesAndTheLabelSelectsOnFocus) {
    // 1440 twips to the inch, at the screen's logical resolution.
    const auto x = [&](int twips) { return (twips * editor->logicalDpiX() + 720) / 1440; };
    const auto y = [&](int twips) { return (twips * editor->logicalDpiY() + 720) / 1440; };
    EXPECT_EQ(editor->txtLabel->pos(), QPoint(x(960), y(240)));
    EXPECT_EQ(editor->picZones->geometry(), QRect(x(120), y(1440), x(5400), y(2820)));
    EXPECT_EQ(editor->cmdCancel->pos(), QPoint(x(4560), y(4440)));
    EXPECT_LE(editor->cmbZone->geometry().bottom(), editor->picZones->y());
    EXPECT_TRUE(editor->rect().contains(editor->cmdCancel->geometry()));
    if (editor->logicalDpiX() == 96 &&
        editor->logicalDpiY() == 96) {  // the map's inner area is exactly the 356 x 184 picture
        EXPECT_EQ(editor->picZones->contentsRect().size(), QSize(356, 184));
    }

    editor->PrepareNew();
    editor->show();
    QApplication::setActiveWindow(editor.get());
    editor->cmbZone->setFocus();
    editor->txtLabel->setFocus(Qt::OtherFocusReason);  // the line edit would not select
    EXPECT_EQ(editor->txtLabel->selectedText(), QStringLiteral("(no name)"));
}

}  // namespace
}  // namespace horavia::testing
