#include "ui/setup/clock_list_model.h"

#include "model/clock_list.h"
#include "model/text_helpers.h"
#include "platform/qt_utf8.h"

namespace horavia {

ClockListModel::ClockListModel(ClockBook& book, const ZoneCatalogue& catalogue, QObject* parent)
    : QAbstractListModel(parent), book_(book), catalogue_(catalogue), rows_(book.Order()) {
    subscription_ = book_.Subscribe([this](const ClockChange& change) { follow(change); });
}

ClockListModel::~ClockListModel() {
    book_.Unsubscribe(subscription_);
}

int ClockListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ClockListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 3;
}

int ClockListModel::slotAt(const QModelIndex& index) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return -1;
    }
    return rows_[static_cast<std::size_t>(index.row())];
}

QVariant ClockListModel::data(const QModelIndex& index, int role) const {
    const int slot = slotAt(index);
    const ClockEntry* clock = book_.Clock(slot);
    if (clock == nullptr) return {};
    if (role == kKeyRole) return Utf8(ClockKey(slot));
    switch (index.column()) {
        case kNameColumn:
            if (role == Qt::DisplayRole || role == Qt::EditRole) return Utf8(clock->Label);
            break;
        case kMarkColumn:
            if (role == Qt::CheckStateRole) {
                return static_cast<int>(clock->Enabled ? Qt::Checked : Qt::Unchecked);
            }
            //: The clock list's check box, read out by what it switches: the clock is on.
            if (role == Qt::AccessibleTextRole) return tr("Active");
            break;
        case kZoneColumn:
            if (role == Qt::DisplayRole) return Utf8(ZoneDisplayText(catalogue_, clock->Zone));
            break;
        default:
            break;
    }
    return {};
}

QVariant ClockListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractListModel::headerData(section, orientation, role);
    }
    switch (section) {
        case kNameColumn:
            //: Column of the clock list: the clock's label.
            return tr("Name");
        case kMarkColumn:
            return QString();
        case kZoneColumn:
            //: Column of the clock list: the clock's time zone.
            return tr("Timezone");
        default:
            return {};
    }
}

bool ClockListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const int slot = slotAt(index);
    if (slot < 0) return false;
    if (index.column() == kNameColumn && role == Qt::EditRole) {
        const std::string name = value.toString().toStdString();
        if (Trim(name).empty()) return false;
        return book_.Rename(slot, name);
    }
    if (index.column() == kMarkColumn && role == Qt::CheckStateRole) {
        return book_.Enable(slot, value.toInt() == Qt::Checked);
    }
    return false;
}

Qt::ItemFlags ClockListModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractListModel::flags(index);
    if (!index.isValid()) return flags;
    if (index.column() == kNameColumn) flags |= Qt::ItemIsEditable;
    if (index.column() == kMarkColumn) flags |= Qt::ItemIsUserCheckable;
    return flags;
}

void ClockListModel::follow(const ClockChange& change) {
    const int count = static_cast<int>(rows_.size());
    switch (change.kind) {
        case ClockChange::Kind::Added:
            beginInsertRows({}, count, count);
            rows_ = book_.Order();
            endInsertRows();
            return;
        case ClockChange::Kind::Changed:
            if (change.position >= 0 && change.position < count) {
                emit dataChanged(index(change.position, 0), index(change.position, 2));
            }
            return;
        case ClockChange::Kind::Removed:
            if (change.position < 0 || change.position >= count) break;
            beginRemoveRows({}, change.position, change.position);
            rows_ = book_.Order();
            endRemoveRows();
            return;
        case ClockChange::Kind::Moved:
            if (change.target == change.position) return;  // nothing moved
            if (change.position < 0 || change.position >= count || change.target < 0 ||
                change.target >= count) {
                break;
            }
            // Qt names the row the moved one goes before, counted before it leaves: one down
            // from `position` is before `target + 1`.
            if (beginMoveRows(
                    {}, change.position, change.position, {},
                    change.target > change.position ? change.target + 1 : change.target)) {
                rows_ = book_.Order();
                endMoveRows();
                return;
            }
            break;
        case ClockChange::Kind::Reset:
            break;
    }
    // A reset, or a change this model cannot place: read the whole list again.
    beginResetModel();
    rows_ = book_.Order();
    endResetModel();
}

}  // namespace horavia
