// The program's life beyond its windows: the heartbeat goes on without them, what the user
// changes is saved as it happens, and an end asked for at any moment saves everything.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTimer>
#include <cctype>

#include "fake_time_server.h"
#include "program_fixture.h"

namespace horavia {
namespace {

using testing::kNow;
using testing::ProgramTest;

TEST_F(ProgramTest, HeartbeatGoesOnWithTheClockWindowClosed) {
    test::FakeTimeServer server(test::FakeTimeServer::Mode::Normal);
    ASSERT_TRUE(server.Listen());
    server.SetSeconds(testing::ServerSecondsForNow());
    StoreClocks({"Unix|7|True"});
    store.Save("STInt", "True");  // every 30 seconds, never done yet: due at once
    store.Save("STIntType", "0");
    store.Save("STIntNum", "30");
    Start(server.Port());
    Main()->close();  // the close box destroys the window
    testing::ProcessPending();
    ASSERT_EQ(Main(), nullptr);

    QSignalSpy synchronised(&program->timeService(), &TimeService::synchronised);
    ASSERT_TRUE(Tick());
    testing::ProcessPending();  // the time service starts the synchronisation the tick asked for
    ASSERT_TRUE(synchronised.wait(5000));
    EXPECT_EQ(server.Accepted(), 1) << "a due synchronisation runs without a window";
    EXPECT_EQ(state.preferences.Values().STLast, kNow);
    for (int second = 1; second <= 3; ++second) {
        server.SetSeconds(testing::ServerSecondsForNow() + static_cast<std::uint32_t>(second));
        ASSERT_TRUE(NextSecond());
        testing::ProcessPending();
        EXPECT_NE(tips.back(), tips[tips.size() - 2]) << "the tip changes every second";
    }
    EXPECT_EQ(tips.back(), "Unix: 1782905418");
    EXPECT_EQ(server.Accepted(), 1) << "not due again within the interval";
    EXPECT_EQ(synchronised.size(), 1);
    ASSERT_TRUE(NextSecond(30));
    testing::ProcessPending();
    ASSERT_TRUE(synchronised.wait(5000));
    EXPECT_EQ(server.Accepted(), 2) << "and due again after it";

    ShowItem()->trigger();  // the window comes back and ticks with the rest
    ASSERT_TRUE(MainVisible());
    ASSERT_TRUE(NextSecond());
    EXPECT_EQ(Texts().back(), "1782905449");
}

TEST_F(ProgramTest, ClockChangesAreSavedAsTheyHappenInOneWrite) {
    Start();
    program->openSetup();
    const std::size_t writes = store.Commits();
    state.book.Add({"Tokyo", "", 11, true});  // as the editor's OK does
    state.book.Rename(0, "UTC");
    state.book.Move(0, 1);
    EXPECT_EQ(store.Commits(), writes) << "not yet: the burst is written once it is over";
    testing::ProcessPending();
    EXPECT_EQ(store.Commits(), writes + 1);
    EXPECT_EQ(store.Value("SZoneNum"), "3");
    EXPECT_EQ(store.Value("S0Dis"), "Swatch");
    EXPECT_EQ(store.Value("S1Dis"), "UTC");
    EXPECT_EQ(store.Value("S2Dis"), "Tokyo");
    EXPECT_TRUE(program->setupDialog()->isVisible()) << "without Close";
}

TEST_F(ProgramTest, EndingWhileSetupIsOpenKeepsANewClock) {
    Start();
    program->openSetup();
    state.book.Add({"Tokyo", "", 11, true});
    program->shutDown();  // before the posted save could run
    EXPECT_EQ(store.Value("SZoneNum"), "3");
    EXPECT_EQ(store.Value("S2Dis"), "Tokyo");
    EXPECT_EQ(ended, 1);
}

TEST_F(ProgramTest, MoreClocksThanTheLimitAreToldAndNeverWrittenOver) {
    std::vector<std::string> clocks(static_cast<std::size_t>(kMaxClocks) + 1, "Zulu|0|True");
    StoreClocks(clocks);
    Start();
    ASSERT_TRUE(loaded);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].message, MessageLines{ClockLimitText()});
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(state.book.RowKeys().size(), static_cast<std::size_t>(kMaxClocks));

    store.log.clear();
    program->openSetup();
    testing::Click(*program->setupDialog(), "closeButton");
    state.book.Rename(0, "Changed");
    testing::ProcessPending();
    program->shutDown();
    for (const std::string& key : store.Writes()) {
        const bool clockKey =
            key == "SZoneNum" ||
            (key.size() > 1 && key[0] == 'S' && std::isdigit(static_cast<unsigned char>(key[1])));
        EXPECT_FALSE(clockKey) << key << " written";
    }
    EXPECT_EQ(store.Value("SZoneNum"), "10001");
    EXPECT_EQ(store.Value("S0Dis"), "Zulu");
    EXPECT_EQ(store.Value("S10000Dis"), "Zulu");
}

// A zone this program does not know (another version's key, a tz id, a typo) is written back as
// it was read: through start-up, the setup dialog's Close, a rename and the shut-down.
TEST_F(ProgramTest, AnUnknownStoredZoneIsWrittenBackByteForByte) {
    const std::string unknown = "Yukon Standard Time 2031";
    StoreClocks({"Zulu|0|True", "Yukon|" + unknown + "|True"});
    store.Save("S1Fmt", " hh:nn ;x ");
    Start();
    program->openSetup();
    testing::Click(*program->setupDialog(), "closeButton");
    EXPECT_EQ(store.Value("S1Zon"), unknown) << "Close saves the list";
    state.book.Rename(1, "Whitehorse");
    testing::ProcessPending();
    program->shutDown();
    EXPECT_EQ(store.Value("S1Dis"), "Whitehorse");
    EXPECT_EQ(store.Value("S1Zon"), unknown);
    EXPECT_EQ(store.Value("S1Fmt"), " hh:nn ;x ");
    EXPECT_EQ(state.Clocks()[1].Zone, kZoneUnknown) << "shown as unknown meanwhile";
}

// Asked to end while a start-up message box waits (a damaged value is being told): the box
// closes, the rest is read and the shut-down saves what was stored, not the defaults.
TEST_F(ProgramTest, AnEndAskedDuringAStartUpMessageIsSavedAfterReadingTheRest) {
    store.Save("AlwaysOnTop", "maybe");
    store.Save("FontName", "Kept Font");
    StoreClocks({"Kept|0|True"});
    messages.onShow = [this](const std::string&) {
        if (program && !program->hasEnded()) program->shutDown();
    };
    Start();
    EXPECT_FALSE(loaded) << "the program ends";
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(Main(), nullptr) << "no window opened after the end";
    EXPECT_FALSE(program->tray().isIconAdded());
    EXPECT_EQ(store.Value("FontName"), "Kept Font") << "read before it was saved";
    EXPECT_EQ(store.Value("S0Dis"), "Kept");
    EXPECT_NE(store.IndexOf("W DefaultFormat"), -1) << "the shut-down save ran";
}

}  // namespace
}  // namespace horavia
