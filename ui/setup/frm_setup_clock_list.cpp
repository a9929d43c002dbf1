// The first panel of the setup dialog: the clock list and its commands.
#include <QGridLayout>
#include <QHeaderView>
#include <QStyle>

#include "model/text_helpers.h"
#include "platform/qt_utf8.h"
#include "ui/setup/frm_setup.h"
#include "ui/setup/label_edit_delegate.h"

namespace horavia {

namespace {

std::string KeyOf(const QTreeWidgetItem* row) {
    return row->data(0, kKeyRole).toString().toStdString();
}

}  // namespace

void frmSetup::CreateClockListPanel(QWidget* panel) {
    LVSZones = new QTreeWidget(panel);
    LVSZones->setColumnCount(3);
    LVSZones->setHeaderLabels({QStringLiteral("Name"), QString(), QStringLiteral("Timezone")});
    LVSZones->setRootIsDecorated(false);
    LVSZones->setUniformRowHeights(true);
    // The on/off column is as narrow as its mark; it may clip the mark but never elide it.
    LVSZones->header()->setMinimumSectionSize(1);
    LVSZones->setTextElideMode(Qt::ElideNone);
    LVSZones->setSelectionMode(QAbstractItemView::SingleSelection);
    LVSZones->setEditTriggers(QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::SelectedClicked);
    LVSZones->setItemDelegate(new LabelEditDelegate(
        [this](const QModelIndex&, const QString& text) {
            bool cancel = false;
            LVSZones_AfterLabelEdit(cancel, text);
            return !cancel;
        },
        LVSZones));
    connect(LVSZones, &QTreeWidget::itemDoubleClicked, this, [this] { LVSZones_DblClick(); });
    cmdNew = new QPushButton(QStringLiteral("&New"), panel);
    cmdEdit = new QPushButton(QStringLiteral("&Edit"), panel);
    cmdDelete = new QPushButton(QStringLiteral("&Delete"), panel);
    cmdUp = new QPushButton(panel);
    cmdDn = new QPushButton(panel);
    cmdUp->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    cmdDn->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    cmdUp->setToolTip(QStringLiteral("Move up"));
    cmdDn->setToolTip(QStringLiteral("Move down"));
    for (QPushButton* b : {cmdNew, cmdEdit, cmdDelete, cmdUp, cmdDn}) b->setAutoDefault(false);
    connect(cmdNew, &QPushButton::clicked, this, &frmSetup::cmdNew_Click);
    connect(cmdEdit, &QPushButton::clicked, this, &frmSetup::cmdEdit_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmSetup::cmdDelete_Click);
    connect(cmdUp, &QPushButton::clicked, this, &frmSetup::cmdUp_Click);
    connect(cmdDn, &QPushButton::clicked, this, &frmSetup::cmdDn_Click);

    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setSpacing(4);
    grid->addWidget(LVSZones, 0, 0, 1, 6);
    grid->addWidget(cmdNew, 1, 0);
    grid->addWidget(cmdEdit, 1, 1);
    grid->addWidget(cmdDelete, 1, 2);
    grid->setColumnStretch(3, 1);
    grid->addWidget(cmdUp, 1, 4);
    grid->addWidget(cmdDn, 1, 5);
}

void frmSetup::SetLVStyle() {
    LVSZones->setSelectionBehavior(QAbstractItemView::SelectRows);
    LVSZones->setAllColumnsShowFocus(true);
}

void frmSetup::SetColumnWidths() {
    const int total = kColumnRatio[0] + kColumnRatio[1] + kColumnRatio[2];
    const int available = LVSZones->viewport()->width();
    int used = 0;
    for (int c = 0; c < 2; ++c) {
        const int width = available * kColumnRatio[static_cast<std::size_t>(c)] / total;
        LVSZones->setColumnWidth(c, width);
        used += width;
    }
    LVSZones->setColumnWidth(2, std::max(1, available - used));
}

void frmSetup::WriteRow(QTreeWidgetItem* row, int slot) const {
    const ClockEntry* clock = state_.book.Clock(slot);
    if (clock == nullptr) return;
    row->setText(0, Utf8(clock->Label));
    row->setText(1, clock->Enabled ? QStringLiteral("X") : QString());
    row->setText(2, Utf8(ZoneDisplayText(state_.catalogue, clock->Zone)));
}

QTreeWidgetItem* frmSetup::MakeRow(int slot) const {
    auto* row = new QTreeWidgetItem;
    row->setData(0, kKeyRole, Utf8(ClockKey(slot)));
    row->setFlags(row->flags() | Qt::ItemIsEditable);
    row->setTextAlignment(1, Qt::AlignHCenter);
    WriteRow(row, slot);
    return row;
}

void frmSetup::FillList() {
    LVSZones->clear();
    QList<QTreeWidgetItem*> rows;
    for (int slot : state_.book.Order()) rows.append(MakeRow(slot));
    LVSZones->addTopLevelItems(rows);  // one insertion for the whole list
    SelectRow(0);
}

void frmSetup::ShowClockChange(const ClockChange& change) {
    switch (change.kind) {
        case ClockChange::Kind::Reset:
            FillList();
            break;
        case ClockChange::Kind::Added:
            // The new row comes last and is not selected: the rows only grow.
            LVSZones->addTopLevelItem(MakeRow(change.slot));
            if (LVSZones->topLevelItemCount() == 1) SelectRow(0);
            break;
        case ClockChange::Kind::Changed:
            if (QTreeWidgetItem* row = LVSZones->topLevelItem(change.position)) {
                WriteRow(row, change.slot);
            }
            break;
        case ClockChange::Kind::Removed:
            delete LVSZones->takeTopLevelItem(change.position);
            SelectRow(change.position);
            break;
        case ClockChange::Kind::Moved:
            // The row is rebuilt from its clock at the new place.
            delete LVSZones->takeTopLevelItem(change.position);
            LVSZones->insertTopLevelItem(change.target, MakeRow(change.slot));
            SelectRow(change.target);
            break;
    }
}

std::vector<std::string> frmSetup::RowKeys() const {
    const int count = LVSZones->topLevelItemCount();
    std::vector<std::string> keys;
    keys.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) keys.push_back(KeyOf(LVSZones->topLevelItem(i)));
    return keys;
}

int frmSetup::SelectedRow() const {
    const QList<QTreeWidgetItem*> selected = LVSZones->selectedItems();
    if (selected.isEmpty()) return -1;
    return LVSZones->indexOfTopLevelItem(selected.first());
}

void frmSetup::SelectRow(int position) {
    const int count = LVSZones->topLevelItemCount();
    if (count == 0) return;
    QTreeWidgetItem* row = LVSZones->topLevelItem(std::clamp(position, 0, count - 1));
    LVSZones->setCurrentItem(row);
    row->setSelected(true);
}

int frmSetup::SelectedSlot() const {
    return state_.book.SlotAt(SelectedRow());
}

void frmSetup::cmdNew_Click() {
    // The editor's OK appends the new clock's row, unselected.
    if (host_) host_->ShowEditorNew();
}

void frmSetup::cmdEdit_Click() {
    const int slot = SelectedSlot();
    if (host_ && slot >= 0) host_->ShowEditorEdit(slot);
}

void frmSetup::LVSZones_DblClick() {
    cmdEdit_Click();
}

void frmSetup::cmdDelete_Click() {
    const int slot = SelectedSlot();
    if (slot < 0) return;
    if (state_.services.messages.Show(kDeleteQuestion, kAppTitle, MsgButtons::YesNo,
                                      MsgIcon::Question) != MsgAnswer::Yes) {
        return;
    }
    state_.book.Delete(slot);
}

void frmSetup::MoveSelectedRow(int step) {
    const int slot = SelectedSlot();
    if (slot >= 0) state_.book.Move(slot, step);
}

void frmSetup::cmdUp_Click() {
    MoveSelectedRow(-1);
}

void frmSetup::cmdDn_Click() {
    MoveSelectedRow(+1);
}

void frmSetup::LVSZones_AfterLabelEdit(bool& cancel, const QString& newText) {
    const std::string text = newText.toStdString();
    if (Trim(text).empty()) {
        cancel = true;
        return;
    }
    const int slot = SelectedSlot();
    if (slot < 0) {
        cancel = true;
        return;
    }
    state_.book.Rename(slot, text);
}

}  // namespace horavia
