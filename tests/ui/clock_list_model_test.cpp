// The setup dialog's clock list model: every change of the program's clocks reaches the views
// through the proper row signals, the rows always read as the book holds them, and the views
// rename and turn clocks on or off through it.
#include "ui/setup/clock_list_model.h"

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QPersistentModelIndex>
#include <QSignalSpy>
#include <functional>
#include <string>
#include <utility>
#include <vector>

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

    // One line per row, "key|label|on|zone", as the model shows it.
    static std::vector<std::string> ModelRows(const QAbstractItemModel& model) {
        std::vector<std::string> rows;
        for (int row = 0; row < model.rowCount(); ++row) {
            const auto cell = [&](int column, int role) {
                return model.index(row, column).data(role);
            };
            const bool on = cell(1, Qt::CheckStateRole).toInt() == Qt::Checked;
            rows.push_back(cell(0, ClockListModel::kKeyRole).toString().toStdString() + "|" +
                           cell(0, Qt::DisplayRole).toString().toStdString() + "|" +
                           (on ? "on" : "off") + "|" +
                           cell(2, Qt::DisplayRole).toString().toStdString());
        }
        return rows;
    }
    // The same lines as the book holds them.
    std::vector<std::string> BookRows() const {
        std::vector<std::string> rows;
        for (int slot : state.book.Order()) {
            const ClockEntry& clock = *state.book.Clock(slot);
            rows.push_back(ClockKey(slot) + "|" + clock.Label + "|" +
                           (clock.Enabled ? "on" : "off") + "|" +
                           ZoneDisplayText(state.catalogue, clock.Zone));
        }
        return rows;
    }
    ClockEntry Named(const std::string& label, int zoneOfSlot) const {
        ClockEntry clock = *state.book.Clock(zoneOfSlot);
        clock.Label = label;
        return clock;
    }
};

TEST_F(ClockListModelTest, FollowsEveryChangeOfTheBookWithItsRowSignal) {
    ClockListModel model(state.book, state.catalogue);
    // Checks every signal against the rows before and after it (and fails the run at once).
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    ASSERT_EQ(ModelRows(model), BookRows());

    ClockBook& book = state.book;
    struct Step {
        const char* what;
        std::function<void()> apply;
        const char* signal;  // the one signal the views are told
    };
    const std::vector<Step> steps{
        {"add", [&] { book.Add(Named("Eastern", 1)); }, "inserted"},
        {"edit", [&] { book.Edit(2, Named("Paris", 1)); }, "changed"},
        {"enable", [&] { book.Enable(1, true); }, "changed"},
        {"rename", [&] { book.Rename(0, " UTC "); }, "changed"},
        {"move down", [&] { book.Move(book.SlotAt(0), +1); }, "moved"},
        {"move up", [&] { book.Move(book.SlotAt(3), -1); }, "moved"},
        {"move to the end", [&] { book.Move(book.SlotAt(0), +3); }, "moved"},
        {"move to the top", [&] { book.Move(book.SlotAt(3), -3); }, "moved"},
        {"delete a middle row", [&] { book.Delete(book.SlotAt(1)); }, "removed"},
        {"add into the freed slot", [&] { book.Add(Named("Again", 0)); }, "inserted"},
        {"delete the last row", [&] { book.Delete(book.SlotAt(3)); }, "removed"},
        {"reset", [&] { book.Reset(); }, "reset"},
        {"delete the first row", [&] { book.Delete(book.SlotAt(0)); }, "removed"},
        {"delete the second of two", [&] { book.Delete(book.SlotAt(1)); }, "removed"},
        {"delete the only row", [&] { book.Delete(book.SlotAt(0)); }, "removed"},
        {"add to an empty list", [&] { book.Add(Named("Alone", 0)); }, "inserted"},
    };
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy moved(&model, &QAbstractItemModel::rowsMoved);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    for (const Step& step : steps) {
        for (QSignalSpy* spy : {&inserted, &removed, &moved, &changed, &reset}) spy->clear();
        // A view's selection and current row are persistent indexes: each must stay on its
        // clock, wherever the row went, and only a removed row's may be lost.
        const auto keyAt = [](const QModelIndex& at) {
            return at.data(ClockListModel::kKeyRole).toString().toStdString();
        };
        std::vector<std::pair<QPersistentModelIndex, std::string>> kept;
        for (int row = 0; row < model.rowCount(); ++row) {
            const QModelIndex at = model.index(row, 0);
            kept.emplace_back(at, keyAt(at));
        }
        step.apply();
        EXPECT_EQ(ModelRows(model), BookRows()) << step.what;
        int lost = 0;
        for (const auto& [at, key] : kept) {
            if (!at.isValid()) {
                ++lost;
                continue;
            }
            EXPECT_EQ(keyAt(at), key) << step.what;
        }
        const std::string signal = step.signal;
        const int mayLose = signal == "removed" ? 1
                            : signal == "reset" ? static_cast<int>(kept.size())
                                                : 0;
        EXPECT_EQ(lost, mayLose) << step.what;
        const std::string told =
            std::string(inserted.count() == 1 ? "inserted" : "") +
            (removed.count() == 1 ? "removed" : "") + (moved.count() == 1 ? "moved" : "") +
            (changed.count() == 1 ? "changed" : "") + (reset.count() == 1 ? "reset" : "");
        EXPECT_EQ(told, step.signal) << step.what;
        EXPECT_EQ(
            inserted.count() + removed.count() + moved.count() + changed.count() + reset.count(), 1)
            << step.what;
    }
}

TEST_F(ClockListModelTest, RenamesAndTurnsOnAndOffThroughTheBook) {
    ClockListModel model(state.book, state.catalogue);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    const auto label = [&] { return state.clocks[1].Label; };
    const auto on = [&] { return state.clocks[1].Enabled; };
    struct Edit {
        int column;
        int role;
        QVariant value;
        bool accepted;
        std::string label;
        bool on;
    };
    const std::vector<Edit> edits{
        {0, Qt::EditRole, QStringLiteral("   "), false, "Tokyo", false},  // blank: refused
        {0, Qt::EditRole, QString(), false, "Tokyo", false},
        {0, Qt::EditRole, QStringLiteral(" Osaka "), true, " Osaka ", false},  // kept as typed
        {1, Qt::CheckStateRole, Qt::Checked, true, " Osaka ", true},
        {1, Qt::CheckStateRole, Qt::Unchecked, true, " Osaka ", false},
        {2, Qt::EditRole, QStringLiteral("Kyoto"), false, " Osaka ", false},  // not editable
        {0, Qt::CheckStateRole, Qt::Checked, false, " Osaka ", false},        // no mark there
    };
    for (const Edit& edit : edits) {
        const QString what = edit.value.toString();
        EXPECT_EQ(model.setData(model.index(1, edit.column), edit.value, edit.role), edit.accepted)
            << edit.column << " " << what.toStdString();
        EXPECT_EQ(label(), edit.label) << what.toStdString();
        EXPECT_EQ(on(), edit.on) << what.toStdString();
    }

    // What a view lets the user do in each column.
    EXPECT_TRUE(model.flags(model.index(0, 0)) & Qt::ItemIsEditable);
    EXPECT_TRUE(model.flags(model.index(0, 1)) & Qt::ItemIsUserCheckable);
    EXPECT_FALSE(model.flags(model.index(0, 1)) & Qt::ItemIsEditable);
    EXPECT_FALSE(model.flags(model.index(0, 2)) & (Qt::ItemIsEditable | Qt::ItemIsUserCheckable));
    for (int column = 0; column < 3; ++column) {
        EXPECT_TRUE(model.flags(model.index(0, column)) & Qt::ItemIsSelectable) << column;
    }
}

}  // namespace
}  // namespace horavia
