// The clock list's cells. In-place renaming: only the first column can be edited, and the new
// text is offered to a judge that may refuse it, so a refused name never reaches the row.
// Showing: a text too long for its column ends in "..." and its tooltip shows it whole; the
// narrow on/off column clips its mark instead.
#pragma once

#include <QStyledItemDelegate>
#include <functional>

namespace horavia {

class LabelEditDelegate : public QStyledItemDelegate {
  public:
    // Returns false to refuse the new text (the row keeps its old one).
    using Judge = std::function<bool(const QModelIndex&, const QString&)>;

    // `markColumn` holds the on/off mark.
    LabelEditDelegate(Judge judge, int markColumn, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

  private:
    Judge judge_;
    int markColumn_;
};

}  // namespace horavia
