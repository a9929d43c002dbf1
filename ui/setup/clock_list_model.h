// The program's clocks as a Qt list model, for the setup dialog's clock list: one row per row
// of the ClockBook, in its display order, with three columns (name, on/off mark, zone). The
// book stays the list's only owner: the model reads it, follows its announcements and passes
// renames and on/off back to it.
#pragma once

#include <QAbstractListModel>
#include <vector>

#include "model/clock_book.h"
#include "model/zone_catalogue.h"

namespace horavia {

class ClockListModel : public QAbstractListModel {
    Q_OBJECT

  public:
    static constexpr int kNameColumn = 0;
    static constexpr int kMarkColumn = 1;  // a check box, on for a clock that is on
    static constexpr int kZoneColumn = 2;
    static constexpr int kKeyRole = Qt::UserRole;  // the row's ClockKey

    ClockListModel(ClockBook& book, const ZoneCatalogue& catalogue, QObject* parent = nullptr);
    ~ClockListModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    // QAbstractListModel has one column: its index() checks hasIndex(), which asks this.
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    // The name renames its clock (a blank name is refused, any other kept exactly as typed);
    // the mark turns it on or off.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    void follow(const ClockChange& change);
    // The slot shown at `index`'s row, -1 when the index is not one of the model's.
    int slotAt(const QModelIndex& index) const;

    ClockBook& book_;
    const ZoneCatalogue& catalogue_;
    // The slots as the views know them: the book announces a change after making it, so the
    // model keeps the order it last told the views about until it has told them the change.
    std::vector<int> rows_;
    int subscription_ = -1;
};

}  // namespace horavia
