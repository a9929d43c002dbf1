// The setup dialog's first tab: the program's clocks in display order, each row keyed by its
// clock's ClockKey, with the commands that add, edit, delete, move and rename them. Delete,
// the moves and renames change the program's clock list at once; the list shows it through a
// ClockListModel, so it follows every change of it, wherever it is made.
#pragma once

#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "model/zone_model.h"

class QPushButton;
class QTreeView;

namespace horavia {

class ClockListModel;

// The columns start in this ratio (name, on/off mark, zone).
inline constexpr std::array<int, 3> kColumnRatio{1764, 123, 3678};

class ClockListPage : public QWidget {
    Q_OBJECT

  public:
    explicit ClockListPage(AppState& state, QWidget* parent = nullptr);

    // The keys of the rows, top to bottom.
    std::vector<std::string> rowKeys() const;
    // Shares the list's width among the columns in their starting ratio.
    void fitColumns();

  signals:
    // New, or Edit (and a double click) on the clock in `slot`: the clock editor is to open.
    void newClockRequested();
    void editClockRequested(int slot);

  protected:
    // Space and Enter on the list: turn the selected clock on or off, edit it.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private slots:
    void editSelectedClock();
    void toggleSelectedClock();
    // Asks first.
    void deleteSelectedClock();
    void moveSelectedUp();
    void moveSelectedDown();

  private:
    // The selected row's position (0 = first), -1 when none.
    int selectedRow() const;
    void selectRow(int position);
    // The slot of the selected row, -1 when none is selected or its key names no clock.
    int selectedSlot() const;
    void moveSelectedRow(int step);

    AppState& state_;
    ClockListModel* clockModel_;
    QTreeView* clockList_;
    QPushButton* newButton_;
    QPushButton* editButton_;
    QPushButton* deleteButton_;
    QPushButton* upButton_;
    QPushButton* downButton_;
};

}  // namespace horavia
