// The setup dialog's clock list model: its rows always read as the program's clocks, every
// change of them reaches the views through its own signal, and edits go back to the clocks.
#include "ui/setup/clock_list_model.h"

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QPersistentModelIndex>
#include <QSignalSpy>
#include <functional>

#include "model/text_helpers.h"
#include "ui_test_support.h"

namespace horavia {
namespace {

class ClockListModelTest : public ::testing::Test, public testing::TestServices {
  protected:
    void SetUp() override {
        StoreClocks({"Zulu|0|True", "Tokyo|Tokyo Standard Time|False",
                     "Berlin|W. Europe Standard Time|True"});
        state.LoadSettings();
        ASSERT_TRUE(state.LoadCatalogue());
    }
    std::string Key(int row) const {
        return model.index(row, 0).data(ClockListModel::kKeyRole).toString().toStdString();
    }
    // "key|label|mark|zone" for each row of the model, and as the book holds them.
    std::vector<std::string> ModelRows() const {
        std::vector<std::string> rows;
        for (int row = 0; row < model.rowCount(); ++row) {
            const auto cell = [&](int column, int role = Qt::DisplayRole) {
                return model.index(row, column).data(role).toString().toStdString();
            };
            rows.push_back(Key(row) + "|" + cell(0) + "|" + cell(1, Qt::CheckStateRole) + "|" +
                           cell(2));
        }
        return rows;
    }
    std::vector<std::string> BookRows() const {
        std::vector<std::string> rows;
        for (int slot : book.Order()) {
            const ClockEntry& clock = *book.Clock(slot);
            rows.push_back(ClockKey(slot) + "|" + clock.Label + "|" + (clock.Enabled ? "2" : "0") +
                           "|" + ZoneDisplayText(state.catalogue, clock.Zone));
        }
        return rows;
    }
    ClockEntry Named(const std::string& label) const {
        ClockEntry clock = *book.Clock(book.SlotAt(0));
        clock.Label = label;
        return clock;
    }

    ClockBook& book = state.book;
    // Made before the clocks are read: it follows the load as it follows any other change.
    ClockListModel model{state.book, state.catalogue};
    // Checks every signal against the rows before and after it, and ends the run on a fault.
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::Fatal};
};

TEST_F(ClockListModelTest, FollowsEveryChangeOfTheBookWithItsOwnSignal) {
    ASSERT_EQ(ModelRows(), BookRows());
    const std::vector<std::pair<std::string, std::function<void()>>> steps{
        {"inserted", [&] { book.Add(Named("Eastern")); }},
        {"changed", [&] { book.Edit(2, Named("Paris")); }},
        {"changed", [&] { book.Enable(1, true); }},
        {"changed", [&] { book.Rename(0, " UTC "); }},
        {"moved", [&] { book.Move(book.SlotAt(0), +1); }},
        {"moved", [&] { book.Move(book.SlotAt(3), -1); }},
        {"moved", [&] { book.Move(book.SlotAt(0), +3); }},
        {"moved", [&] { book.Move(book.SlotAt(3), -3); }},
        {"removed", [&] { book.Delete(book.SlotAt(1)); }},
        {"inserted", [&] { book.Add(Named("Again")); }},  // into the freed slot
        {"removed", [&] { book.Delete(book.SlotAt(3)); }},
        {"reset", [&] { book.Reset(); }},
        {"removed", [&] { book.Delete(book.SlotAt(0)); }},
        {"removed", [&] { book.Delete(book.SlotAt(1)); }},
        {"removed", [&] { book.Delete(book.SlotAt(0)); }},
        {"inserted",
         [&] {
             book.Add(ClockEntry{"Alone", "", 0, true});
         }},
    };
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy moved(&model, &QAbstractItemModel::rowsMoved);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    for (std::size_t n = 0; n < steps.size(); ++n) {
        const auto& [signal, apply] = steps[n];
        // A view's selection is kept in persistent indexes: each stays on its clock.
        std::vector<std::pair<QPersistentModelIndex, std::string>> kept;
        for (int row = 0; row < model.rowCount(); ++row)
            kept.emplace_back(model.index(row, 0), Key(row));
        for (QSignalSpy* spy : {&inserted, &removed, &moved, &changed, &reset}) spy->clear();
        apply();
        EXPECT_EQ(ModelRows(), BookRows()) << "step " << n;
        for (const auto& [at, key] : kept) {
            if (at.isValid()) {
                EXPECT_EQ(Key(at.row()), key) << "step " << n;
            }
        }
        const std::string told =
            std::string(inserted.size() == 1 ? "inserted" : "") +
            (removed.size() == 1 ? "removed" : "") + (moved.size() == 1 ? "moved" : "") +
            (changed.size() == 1 ? "changed" : "") + (reset.size() == 1 ? "reset" : "");
        EXPECT_EQ(told, signal) << "step " << n << ": one signal, the right one";
    }
}

TEST_F(ClockListModelTest, RenamesRefusingBlanksAndTurnsClocksOnAndOff) {
    struct Edit {
        int column;
        int role;
        QVariant value;
        bool accepted;
        std::string label;  // the clock's afterwards
        bool on;
    };
    const std::vector<Edit> edits{
        {0, Qt::EditRole, QStringLiteral("   "), false, "Tokyo", false},
        {0, Qt::EditRole, QString(), false, "Tokyo", false},
        {0, Qt::EditRole, QStringLiteral(" Osaka "), true, " Osaka ", false},  // kept as typed
        {1, Qt::CheckStateRole, Qt::Checked, true, " Osaka ", true},
        {1, Qt::CheckStateRole, Qt::Unchecked, true, " Osaka ", false},
        {2, Qt::EditRole, QStringLiteral("Kyoto"), false, " Osaka ", false},  // no zone edits
        {0, Qt::CheckStateRole, Qt::Checked, false, " Osaka ", false},        // no mark there
    };
    for (std::size_t n = 0; n < edits.size(); ++n) {
        const Edit& edit = edits[n];
        EXPECT_EQ(model.setData(model.index(1, edit.column), edit.value, edit.role), edit.accepted)
            << "edit " << n;
        EXPECT_EQ(state.Clocks()[1].Label, edit.label) << "edit " << n;
        EXPECT_EQ(state.Clocks()[1].Enabled, edit.on) << "edit " << n;
    }
}

}  // namespace
}  // namespace horavia
