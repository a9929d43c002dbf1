#include "ui/setup/clock_list_page.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTreeWidget>
#include <algorithm>

#include "model/text_helpers.h"
#include "platform/qt_utf8.h"
#include "ui/main/program_icon.h"
#include "ui/setup/command_button.h"
#include "ui/setup/label_edit_delegate.h"

namespace horavia {

namespace {

constexpr int kKeyRole = Qt::UserRole;  // a row's ClockKey
constexpr int kMarkColumn = 1;          // a check box, on for a clock that is on

// Compiled in at 1x, 1.5x, 2x and 3x of 16 pixels: sharp at any usual scale.
QIcon MoveIcon(const char* name) {
    return CompiledIcon(QLatin1String(name));
}

std::string KeyOf(const QTreeWidgetItem* row) {
    return row->data(0, kKeyRole).toString().toStdString();
}

}  // namespace

ClockListPage::ClockListPage(AppState& state, QWidget* parent)
    : QWidget(parent), state_(state), clockList_(new QTreeWidget(this)) {
    clockList_->setObjectName(QStringLiteral("clockList"));
    clockList_->setColumnCount(3);
    //: Column of the clock list: the clock's label.
    const QString nameHeader = tr("Name");
    //: Column of the clock list: the clock's time zone.
    const QString zoneHeader = tr("Timezone");
    clockList_->setHeaderLabels({nameHeader, QString(), zoneHeader});
    clockList_->setRootIsDecorated(false);
    clockList_->setUniformRowHeights(true);
    // The on/off column is as narrow as its mark; it may clip the mark but never elide it.
    clockList_->header()->setMinimumSectionSize(1);
    clockList_->setSelectionMode(QAbstractItemView::SingleSelection);
    clockList_->setSelectionBehavior(QAbstractItemView::SelectRows);
    clockList_->setAllColumnsShowFocus(true);
    clockList_->setEditTriggers(QAbstractItemView::EditKeyPressed |
                                QAbstractItemView::SelectedClicked);
    clockList_->setItemDelegate(new LabelEditDelegate(
        [this](const QModelIndex&, const QString& text) { return renameSelectedClock(text); },
        kMarkColumn, clockList_));
    clockList_->setAccessibleName(tr("Clocks"));
    connect(clockList_, &QTreeWidget::itemDoubleClicked, this, &ClockListPage::editSelectedClock);
    // A click on a row's check box turns its clock on or off.
    connect(clockList_, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* row, int column) {
        if (column != kMarkColumn) return;
        const int slot = state_.book.SlotAt(clockList_->indexOfTopLevelItem(row));
        if (slot >= 0) state_.book.Enable(slot, row->checkState(kMarkColumn) == Qt::Checked);
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

    fillList();
    clockSubscription_ =
        state_.book.Subscribe([this](const ClockChange& change) { showClockChange(change); });
}

ClockListPage::~ClockListPage() {
    state_.book.Unsubscribe(clockSubscription_);
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

void ClockListPage::writeRow(QTreeWidgetItem* row, int slot) const {
    const ClockEntry* clock = state_.book.Clock(slot);
    if (clock == nullptr) return;
    // Writing the row is not the user turning the clock on or off.
    const QSignalBlocker block(clockList_);
    row->setText(0, Utf8(clock->Label));
    row->setCheckState(kMarkColumn, clock->Enabled ? Qt::Checked : Qt::Unchecked);
    row->setText(2, Utf8(ZoneDisplayText(state_.catalogue, clock->Zone)));
}

QTreeWidgetItem* ClockListPage::makeRow(int slot) const {
    auto* row = new QTreeWidgetItem;
    row->setData(0, kKeyRole, Utf8(ClockKey(slot)));
    row->setFlags(row->flags() | Qt::ItemIsEditable | Qt::ItemIsUserCheckable);
    //: The clock list's check box, read out by what it switches: the clock is on.
    row->setData(kMarkColumn, Qt::AccessibleTextRole, tr("Active"));
    writeRow(row, slot);
    return row;
}

void ClockListPage::fillList() {
    clockList_->clear();
    QList<QTreeWidgetItem*> rows;
    for (int slot : state_.book.Order()) rows.append(makeRow(slot));
    clockList_->addTopLevelItems(rows);  // one insertion for the whole list
    selectRow(0);
}

void ClockListPage::showClockChange(const ClockChange& change) {
    switch (change.kind) {
        case ClockChange::Kind::Reset:
            fillList();
            break;
        case ClockChange::Kind::Added:
            // The new row comes last and is not selected: the rows only grow.
            clockList_->addTopLevelItem(makeRow(change.slot));
            if (clockList_->topLevelItemCount() == 1) selectRow(0);
            break;
        case ClockChange::Kind::Changed:
            if (QTreeWidgetItem* row = clockList_->topLevelItem(change.position)) {
                writeRow(row, change.slot);
            }
            break;
        case ClockChange::Kind::Removed:
            delete clockList_->takeTopLevelItem(change.position);
            selectRow(change.position);
            break;
        case ClockChange::Kind::Moved:
            // The row is rebuilt from its clock at the new place.
            delete clockList_->takeTopLevelItem(change.position);
            clockList_->insertTopLevelItem(change.target, makeRow(change.slot));
            selectRow(change.target);
            break;
    }
}

std::vector<std::string> ClockListPage::rowKeys() const {
    const int count = clockList_->topLevelItemCount();
    std::vector<std::string> keys;
    keys.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) keys.push_back(KeyOf(clockList_->topLevelItem(i)));
    return keys;
}

int ClockListPage::selectedRow() const {
    const QList<QTreeWidgetItem*> selected = clockList_->selectedItems();
    if (selected.isEmpty()) return -1;
    return clockList_->indexOfTopLevelItem(selected.first());
}

void ClockListPage::selectRow(int position) {
    const int count = clockList_->topLevelItemCount();
    if (count == 0) return;
    QTreeWidgetItem* row = clockList_->topLevelItem(std::clamp(position, 0, count - 1));
    clockList_->setCurrentItem(row);
    row->setSelected(true);
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

bool ClockListPage::renameSelectedClock(const QString& name) {
    const std::string text = name.toStdString();
    if (Trim(text).empty()) return false;
    const int slot = selectedSlot();
    if (slot < 0) return false;
    state_.book.Rename(slot, text);
    return true;
}

}  // namespace horavia
