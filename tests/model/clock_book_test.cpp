#include "model/clock_book.h"

#include <gtest/gtest.h>

namespace horavia {
namespace {

using Kind = ClockChange::Kind;

// Slots: 0 "Zulu" (on), 1 empty, 2 "Tokyo" (off), 3 "Berlin" (on).
class Book : public ::testing::Test {
  protected:
    void SetUp() override {
        clocks = {{"Zulu", "", 0, true}, {}, {"Tokyo", "", 5, false}, {"Berlin", "", 7, true}};
        book.Reset();
        id = book.Subscribe([this](const ClockChange& c) { told.push_back(c); });
    }
    std::string Told(std::size_t i) const {
        const ClockChange& c = told.at(i);
        return std::to_string(static_cast<int>(c.kind)) + ":" + std::to_string(c.slot) + "@" +
               std::to_string(c.position) + ">" + std::to_string(c.target);
    }

    ClockList clocks;
    ClockBook book{clocks};
    std::vector<ClockChange> told;
    int id = -1;
};

TEST_F(Book, ResetListsTheNonEmptySlotsInSlotOrder) {
    EXPECT_EQ(book.Order(), (std::vector<int>{0, 2, 3}));
    EXPECT_EQ(book.RowKeys(), (std::vector<std::string>{"K0000", "K0002", "K0003"}));
    EXPECT_EQ(book.EnabledInOrder(), (std::vector<int>{0, 3}));
    EXPECT_EQ(book.SlotAt(1), 2);
    EXPECT_EQ(book.SlotAt(3), -1);
    EXPECT_EQ(book.SlotAt(-1), -1);
    EXPECT_EQ(book.PositionOf(1), -1) << "an empty slot has no row";
    EXPECT_EQ(book.Clock(4), nullptr);
}

TEST_F(Book, AddTakesTheLowestFreeSlotAndGoesLast) {
    EXPECT_EQ(book.Add({"Paris", "hh", 9, true}), 1);
    EXPECT_EQ(book.Add({"Lima", "", 3, false}), 4) << "no free slot: the list grows";
    EXPECT_EQ(book.Add({"  ", "", 3, true}), -1) << "a blank label makes no clock";
    EXPECT_EQ(clocks.size(), 5u);
    EXPECT_EQ(clocks[1].Format, "hh");
    EXPECT_EQ(book.Order(), (std::vector<int>{0, 2, 3, 1, 4}));
    ASSERT_EQ(told.size(), 2u);
    EXPECT_EQ(Told(0), "1:1@3>-1");
    EXPECT_EQ(Told(1), "1:4@4>-1");
}

TEST_F(Book, DeleteEmptiesTheSlotForTheNextNewClock) {
    EXPECT_FALSE(book.Delete(1)) << "nothing listed there";
    ASSERT_TRUE(book.Delete(2));
    EXPECT_TRUE(clocks[2].Label.empty());
    EXPECT_FALSE(clocks[2].Enabled);
    EXPECT_EQ(book.Order(), (std::vector<int>{0, 3}));
    EXPECT_EQ(Told(0), "3:2@1>-1");
    EXPECT_EQ(book.Add({"Cairo", "", 1, true}), 1);
    EXPECT_EQ(book.Add({"Oslo", "", 1, true}), 2);
}

TEST_F(Book, MoveChangesRowsNotSlots) {
    struct Case {
        int slot, step;
        bool moved;
        std::vector<int> order;
    };
    for (const Case& c : {Case{0, -1, false, {0, 2, 3}}, Case{3, +1, false, {0, 2, 3}},
                          Case{1, +1, false, {0, 2, 3}}, Case{0, +1, true, {2, 0, 3}},
                          Case{3, -2, true, {3, 2, 0}}, Case{3, +3, false, {3, 2, 0}}}) {
        EXPECT_EQ(book.Move(c.slot, c.step), c.moved) << c.slot << " by " << c.step;
        EXPECT_EQ(book.Order(), c.order) << c.slot << " by " << c.step;
    }
    EXPECT_EQ(clocks[0].Label, "Zulu");
    EXPECT_EQ(book.EnabledInOrder(), (std::vector<int>{3, 0}));
    ASSERT_EQ(told.size(), 2u) << "refused moves are not announced";
    EXPECT_EQ(Told(1), "4:3@2>0");
}

TEST_F(Book, EditRenameAndEnableChangeOnlyListedClocks) {
    EXPECT_TRUE(book.Rename(2, " Osaka "));
    EXPECT_EQ(clocks[2].Label, " Osaka ") << "blanks around a name are kept";
    EXPECT_FALSE(book.Rename(2, " \t"));
    EXPECT_TRUE(book.Enable(2, true));
    EXPECT_TRUE(book.Edit(3, {"Bonn", "ss", 8, false}));
    EXPECT_FALSE(book.Edit(1, {"Ghost", "", 0, true})) << "an empty slot stays empty";
    EXPECT_FALSE(book.Enable(9, true));
    EXPECT_TRUE(clocks[1].Label.empty());
    EXPECT_EQ(book.EnabledInOrder(), (std::vector<int>{0, 2}));
    ASSERT_EQ(told.size(), 3u);
    EXPECT_EQ(Told(0), "2:2@1>-1");
    EXPECT_EQ(Told(2), "2:3@2>-1");
}

// A zone the program does not know keeps its stored text until the user chooses a zone.
TEST_F(Book, AnUnknownZonesTextStaysUntilAZoneIsChosen) {
    clocks[3].Zone = kZoneUnknown;
    clocks[3].StoredZone = "Yukon Standard Time 2031";
    EXPECT_TRUE(book.Rename(3, "Whitehorse"));
    EXPECT_TRUE(book.Edit(3, {"Yukon", "hh", kZoneUnknown, true}));  // the zone left as it was
    EXPECT_EQ(clocks[3].StoredZone, "Yukon Standard Time 2031");
    EXPECT_TRUE(book.Edit(3, {"Yukon", "hh", 7, true}));
    EXPECT_EQ(clocks[3].StoredZone, "");
}

TEST_F(Book, AListenerMayLeaveWhileAChangeIsTold) {
    int laterCalls = 0;
    int first = -1;
    first = book.Subscribe([&](const ClockChange&) { book.Unsubscribe(first); });
    const int later = book.Subscribe([&](const ClockChange&) { ++laterCalls; });
    book.Delete(0);
    book.Delete(2);
    book.Unsubscribe(later);
    book.Delete(3);
    EXPECT_EQ(laterCalls, 2);
    EXPECT_EQ(told.size(), 3u);
    book.Unsubscribe(id);
    book.Reset();
    EXPECT_EQ(told.size(), 3u);
}

}  // namespace
}  // namespace horavia
