#include "ui/setup/label_edit_delegate.h"

#include <QLineEdit>
#include <utility>

namespace horavia {

LabelEditDelegate::LabelEditDelegate(Judge judge, QObject* parent)
    : QStyledItemDelegate(parent), judge_(std::move(judge)) {}

QWidget* LabelEditDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const {
    if (index.column() != 0) return nullptr;
    return QStyledItemDelegate::createEditor(parent, option, index);
}

void LabelEditDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                     const QModelIndex& index) const {
    const auto* line = qobject_cast<QLineEdit*>(editor);
    if (line == nullptr) return;
    if (judge_ && !judge_(index, line->text())) return;
    model->setData(index, line->text(), Qt::EditRole);
}

}  // namespace horavia
