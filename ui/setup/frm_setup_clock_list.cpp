// The first panel of the setup dialog: the clock list and its commands.
#include <QGridLayout>
#include <QHeaderView>
#include <QStyle>

#include "model/text_helpers.h"
#include "ui/setup/frm_setup.h"
#include "ui/setup/label_edit_delegate.h"

namespace horavia {

namespace {

QString Utf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

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
    // Disconnected again in the destructor: the list's model is cleared when the list itself
    // goes, after this dialog's own part is gone.
    const QAbstractItemModel* rows = LVSZones->model();
    const auto forgetKeys = [this] { rowKeysKnown_ = false; };
    connect(rows, &QAbstractItemModel::rowsInserted, this, forgetKeys);
    connect(rows, &QAbstractItemModel::rowsRemoved, this, forgetKeys);
    connect(rows, &QAbstractItemModel::rowsMoved, this, forgetKeys);
    connect(rows, &QAbstractItemModel::modelReset, this, forgetKeys);
    connect(rows, &QAbstractItemModel::layoutChanged, this, forgetKeys);
    connect(rows, &QAbstractItemModel::dataChanged, this, forgetKeys);

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

void frmSetup::WriteRow(QTreeWidgetItem* row, const ClockEntry& clock,
                        const std::string& zoneText) const {
    row->setText(0, Utf8(clock.Label));
    row->setText(1, clock.Enabled ? QStringLiteral("X") : QString());
    row->setText(2, Utf8(zoneText));
}

QTreeWidgetItem* frmSetup::MakeRow(const std::string& key, const ClockEntry& clock,
                                   const std::string& zoneText) const {
    auto* row = new QTreeWidgetItem;
    row->setData(0, kKeyRole, Utf8(key));
    row->setFlags(row->flags() | Qt::ItemIsEditable);
    row->setTextAlignment(1, Qt::AlignHCenter);
    WriteRow(row, clock, zoneText);
    return row;
}

void frmSetup::FillList(const ClockList& clocks, const ZoneCatalogue& catalogue) {
    LVSZones->clear();
    QList<QTreeWidgetItem*> rows;
    for (std::size_t n = 0; n < clocks.size(); ++n) {
        if (clocks[n].Label.empty()) continue;
        rows.append(MakeRow(ClockKey(static_cast<int>(n)), clocks[n],
                            ZoneDisplayText(catalogue, clocks[n].Zone)));
    }
    LVSZones->addTopLevelItems(rows);  // one insertion for the whole list
    SelectRow(0);
}

std::vector<std::string> frmSetup::RowKeys() const {
    if (!rowKeysKnown_) {
        const int count = LVSZones->topLevelItemCount();
        rowKeys_.clear();
        rowKeys_.reserve(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) rowKeys_.push_back(KeyOf(LVSZones->topLevelItem(i)));
        rowKeysKnown_ = true;
    }
    return rowKeys_;
}

void frmSetup::AppendRow(const std::string& key, const ClockEntry& clock,
                         const std::string& zoneText) {
    LVSZones->addTopLevelItem(MakeRow(key, clock, zoneText));
    if (LVSZones->topLevelItemCount() == 1) SelectRow(0);
}

QTreeWidgetItem* frmSetup::RowOfKey(const std::string& key) const {
    for (int i = 0; i < LVSZones->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = LVSZones->topLevelItem(i);
        if (KeyOf(row) == key) return row;
    }
    return nullptr;
}

void frmSetup::UpdateRow(const std::string& key, const ClockEntry& clock,
                         const std::string& zoneText) {
    if (QTreeWidgetItem* row = RowOfKey(key)) WriteRow(row, clock, zoneText);
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
    const int position = SelectedRow();
    if (position < 0) return -1;
    const int slot = ClockKeyIndex(KeyOf(LVSZones->topLevelItem(position)));
    if (slot < 0 || static_cast<std::size_t>(slot) >= state_.clocks.size()) return -1;
    return slot;
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
    const int position = SelectedRow();
    const int slot = SelectedSlot();
    if (position < 0 || slot < 0) return;
    if (state_.services.messages.Show(kDeleteQuestion, kAppTitle, MsgButtons::YesNo,
                                      MsgIcon::Question) != MsgAnswer::Yes) {
        return;
    }
    ClockEntry& clock = state_.clocks[static_cast<std::size_t>(slot)];
    clock.Label.clear();  // an empty slot, free for the next new clock
    clock.Enabled = false;
    delete LVSZones->takeTopLevelItem(position);
    SelectRow(position);
}

void frmSetup::MoveSelectedRow(int step) {
    const int position = SelectedRow();
    const int slot = SelectedSlot();
    const int target = position + step;
    if (position < 0 || slot < 0 || target < 0 || target >= LVSZones->topLevelItemCount()) {
        return;
    }
    // The row is rebuilt from its clock at the new place; the clock list keeps its slots.
    delete LVSZones->takeTopLevelItem(position);
    const ClockEntry& clock = state_.clocks[static_cast<std::size_t>(slot)];
    LVSZones->insertTopLevelItem(
        target, MakeRow(ClockKey(slot), clock, ZoneDisplayText(state_.catalogue, clock.Zone)));
    SelectRow(target);
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
    state_.clocks[static_cast<std::size_t>(slot)].Label = text;
}

}  // namespace horavia
