#include "ui/setup/clock_list_page.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QTreeView>
#include <algorithm>

#include "ui/main/program_icon.h"
#include "ui/setup/clock_list_model.h"
#include "ui/setup/command_button.h"
#include "ui/setup/label_edit_delegate.h"

namespace horavia {

namespace {

constexpr int kMarkColumn = ClockListModel::kMarkColumn;

// Compiled in at 1x, 1.5x, 2x and 3x of 16 pixels: sharp at any usual scale.
QIcon MoveIcon(const char* name) {
    return CompiledIcon(QLatin1String(name));
}

}  // namespace

ClockListPage::ClockListPage(AppState& state, QWidget* parent)
    : QWidget(parent),
      state_(state),
      clockModel_(new ClockListModel(state.book, state.catalogue, this)),
      clockList_(new QTreeView(this)) {
    clockList_->setObjectName(QStringLiteral("clockList"));
    clockList_->setModel(clockModel_);
    clockList_->setRootIsDecorated(false);
    clockList_->setUniformRowHeights(true);
    // The on/off column is as narrow as its mark; it may clip the mark but never elide it.
    clockList_->header()->setMinimumSectionSize(1);
    clockList_->setSelectionMode(QAbstractItemView::SingleSelection);
    clockList_->setSelectionBehavior(QAbstractItemView::SelectRows);
    clockList_->setAllColumnsShowFocus(true);
    clockList_->setEditTriggers(QAbstractItemView::EditKeyPressed |
                                QAbstractItemView::SelectedClicked);
    clockList_->setItemDelegate(new LabelEditDelegate(kMarkColumn, clockList_));
    clockList_->setAccessibleName(tr("Clocks"));
    connect(clockList_, &QTreeView::doubleClicked, this, &ClockListPage::editSelectedClock);
    // The view has followed each change of the rows before the selection does.
    connect(clockModel_, &QAbstractItemModel::modelReset, this, [this] { selectRow(0); });
    connect(clockModel_, &QAbstractItemModel::rowsInserted, this, [this] {
        // A new row comes last and is not selected, unless it is the only one.
        if (clockModel_->rowCount() == 1) selectRow(0);
    });
    connect(clockModel_, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex&, int first) { selectRow(first); });
    connect(clockModel_, &QAbstractItemModel::rowsMoved, this,
            [this](const QModelIndex&, int start, int, const QModelIndex&, int before) {
                selectRow(before > start ? before - 1 : before);
            });
    clockList_->installEventFilter(this);

    newButton_ = MakeCommandButton(tr("&New"), "newButton", this);
    editButton_ = MakeCommandButton(tr("&Edit"), "editButton", this);
    deleteButton_ = MakeCommandButton(tr("&Delete"), "deleteButton", this);
    upButton_ = MakeCommandButton(QString(), "upButton", this);
    downButton_ = MakeCommandButton(QString(), "downButton", this);
    upButton_->setIcon(MoveIcon("arrow-up"));
    downButton_->setIcon(MoveIcon("arrow-down"));
    upButton_->setToolTip(tr("Move up"));
    downButton_->setToolTip(tr("Move down"));
    upButton_->setAccessibleName(upButton_->toolTip());
    downButton_->setAccessibleName(downButton_->toolTip());
    // The editor's OK appends the new clock's row, unselected.
    connect(newButton_, &QPushButton::clicked, this, &ClockListPage::newClockRequested);
    connect(editButton_, &QPushButton::clicked, this, &ClockListPage::editSelectedClock);
    connect(deleteButton_, &QPushButton::clicked, this, &ClockListPage::deleteSelectedClock);
    connect(upButton_, &QPushButton::clicked, this, &ClockListPage::moveSelectedUp);
    connect(downButton_, &QPushButton::clicked, this, &ClockListPage::moveSelectedDown);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setSpacing(4);
    grid->addWidget(clockList_, 0, 0, 1, 6);
    grid->addWidget(newButton_, 1, 0);
    grid->addWidget(editButton_, 1, 1);
    grid->addWidget(deleteButton_, 1, 2);
    grid->setColumnStretch(3, 1);
    grid->addWidget(upButton_, 1, 4);
    grid->addWidget(downButton_, 1, 5);

    selectRow(0);
}

void ClockListPage::fitColumns() {
    const int total = kColumnRatio[0] + kColumnRatio[1] + kColumnRatio[2];
    const int available = clockList_->viewport()->width();
    // The on/off column is never narrower than its check box; the name and the zone share
    // the rest in their ratio.
    const QStyle* style = clockList_->style();
    const int markMinimum =
        style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, clockList_) +
        2 * style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, clockList_) + 2;
    const int mark = std::max(available * kColumnRatio[1] / total, markMinimum);
    const int rest = std::max(0, available - mark);
    const int name = rest * kColumnRatio[0] / (kColumnRatio[0] + kColumnRatio[2]);
    clockList_->setColumnWidth(0, name);
    clockList_->setColumnWidth(kMarkColumn, mark);
    clockList_->setColumnWidth(2, std::max(1, rest - name));
}

std::vector<std::string> ClockListPage::rowKeys() const {
    const int count = clockModel_->rowCount();
    std::vector<std::string> keys;
    keys.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        keys.push_back(
            clockModel_->index(i, 0).data(ClockListModel::kKeyRole).toString().toStdString());
    }
    return keys;
}

int ClockListPage::selectedRow() const {
    const QModelIndexList selected = clockList_->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void ClockListPage::selectRow(int position) {
    const int count = clockModel_->rowCount();
    if (count == 0) return;
    clockList_->selectionModel()->setCurrentIndex(
        clockModel_->index(std::clamp(position, 0, count - 1), 0),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

int ClockListPage::selectedSlot() const {
    return state_.book.SlotAt(selectedRow());
}

void ClockListPage::editSelectedClock() {
    const int slot = selectedSlot();
    if (slot >= 0) emit editClockRequested(slot);
}

void ClockListPage::deleteSelectedClock() {
    const int slot = selectedSlot();
    if (slot < 0) return;
    state_.services.messages.Ask(Message{MessageId::DeleteClockQuestion}, kAppTitle,
                                 MsgButtons::YesNo, MsgIcon::Question,
                                 [page = QPointer<ClockListPage>(this), slot](MsgAnswer answer) {
                                     if (page && answer == MsgAnswer::Yes) {
                                         page->state_.book.Delete(slot);
                                     }
                                 });
}

bool ClockListPage::eventFilter(QObject* watched, QEvent* event) {
    // Keys an in-place rename passes on to the list are the rename's, not the list's.
    if (watched != clockList_ || event->type() != QEvent::KeyPress ||
        clockList_->window()->focusWidget() != clockList_) {
        return QWidget::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & ~Qt::KeypadModifier) return QWidget::eventFilter(watched, event);
    switch (key->key()) {
        case Qt::Key_Space:
            // Space turns the selected clock on or off, whichever cell has the focus.
            toggleSelectedClock();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // Enter on a row edits its clock, as a double click does.
            if (selectedSlot() < 0) break;
            editSelectedClock();
            return true;
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

void ClockListPage::toggleSelectedClock() {
    const int slot = selectedSlot();
    if (const ClockEntry* clock = state_.book.Clock(slot))
        state_.book.Enable(slot, !clock->Enabled);
}

void ClockListPage::moveSelectedRow(int step) {
    const int slot = selectedSlot();
    if (slot >= 0) state_.book.Move(slot, step);
}

void ClockListPage::moveSelectedUp() {
    moveSelectedRow(-1);
}

void ClockListPage::moveSelectedDown() {
    moveSelectedRow(+1);
}

}  // namespace horavia
