// The setup dialog's controls, found by their object names as a user finds them by sight.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QItemSelectionModel>
#include <QTest>
#include <QTreeView>
#include <QWidget>

namespace horavia::testing {

// The child of `parent` named `name`; a failure, and null, when there is none.
template <class Widget>
Widget* Control(const QWidget& parent, const char* name) {
    auto* found = parent.findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << "no control " << name;
    return found;
}

// A left click on the button named `name`.
inline void Click(const QWidget& parent, const char* name) {
    if (auto* button = Control<QAbstractButton>(parent, name)) {
        QTest::mouseClick(button, Qt::LeftButton);
    }
}

inline QTreeView* ClockList(const QWidget& dialog) {
    return Control<QTreeView>(dialog, "clockList");
}

// The index of row `position`, column `column` of the clock list.
inline QModelIndex ClockCell(const QWidget& dialog, int position, int column = 0) {
    const QTreeView* list = ClockList(dialog);
    return list->model()->index(position, column);
}

// Makes row `position` of the clock list the selected one, as a click on it would.
inline void SelectClockRow(const QWidget& dialog, int position) {
    ClockList(dialog)->setCurrentIndex(ClockCell(dialog, position));
}

// A double click on row `position` of the clock list, as the mouse sends it: a click, then
// the double click and its release. The dialog must be shown.
inline void DoubleClickClockRow(const QWidget& dialog, int position) {
    QTreeView* list = ClockList(dialog);
    const QPoint at = list->visualRect(ClockCell(dialog, position)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
}

// The selected row's position in the clock list, -1 when none.
inline int SelectedClockRow(const QWidget& dialog) {
    const QModelIndexList selected = ClockList(dialog)->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

}  // namespace horavia::testing
