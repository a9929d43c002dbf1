// In-place renaming in the clock list: only the first column can be edited, and the new text
// is offered to a judge that may refuse it, so a refused name never reaches the row.
#pragma once

#include <QStyledItemDelegate>
#include <functional>

namespace horavia {

class LabelEditDelegate : public QStyledItemDelegate {
  public:
    // Returns false to refuse the new text (the row keeps its old one).
    using Judge = std::function<bool(const QModelIndex&, const QString&)>;

    LabelEditDelegate(Judge judge, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

  private:
    Judge judge_;
};

}  // namespace horavia
