// A writer saves a 1,000-clock list again and again and is killed (SIGKILL) at random moments:
// after every kill the settings file holds one of the two lists, whole.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <chrono>
#include <random>
#include <thread>

#include "crash_lists.h"
#include "platform/qt_settings_store.h"

namespace horavia {
namespace {

// The two lists, and each as the keys and values the file must hold.
struct Lists {
    ZoneCatalogue catalogue = testing::PseudoZonesOnly();
    std::vector<std::string> rows = testing::SlotOrder();
    ClockList lists[2] = {testing::CrashList(0), testing::CrashList(1)};
    std::vector<std::pair<std::string, std::string>> keys[2];

    Lists() {
        for (int which : {0, 1}) {
            const ClockList& list = lists[which];
            keys[which].emplace_back("SZoneNum", std::to_string(list.size()));
            for (std::size_t i = 0; i < list.size(); ++i) {
                const std::string n = "S" + std::to_string(i);
                keys[which].emplace_back(n + "Dis", list[i].Label);
                keys[which].emplace_back(n + "Fmt", list[i].Format);
                keys[which].emplace_back(n + "Zon", EncodeZoneRef(catalogue, list[i].Zone));
                keys[which].emplace_back(n + "Ena", list[i].Enabled ? "True" : "False");
            }
        }
    }
};

// The writer, in a child process: saves the list that is not on disk, then the other, for
// ever; a byte on `ready` before each save.
[[noreturn]] void SaveForEver(const Lists& l, const QString& folder, int ready) {
    QtSettingsStore store(folder);
    int next = store.Get("S0Dis", "").rfind("Alpha", 0) == 0 ? 1 : 0;
    for (;;) {
        if (::write(ready, "s", 1) != 1) ::_exit(2);
        SaveClockList(store, l.lists[next], l.catalogue, l.rows);
        if (store.Problem()) ::_exit(1);
        next = 1 - next;
    }
}

// Which list the file holds, exactly: 0 or 1; -1 for anything else.
int ListOnDisk(const Lists& l, const QString& folder) {
    QtSettingsStore store(folder);
    SettingsBatch reads(store);  // the file is looked at once, not before every read
    for (int which : {0, 1}) {
        bool all = true;
        for (const auto& [key, value] : l.keys[which]) {
            if (store.Get(key, "<absent>") != value) {
                all = false;
                break;
            }
        }
        if (all) return which;
    }
    return -1;
}

TEST(SettingsCrash, EveryKillLeavesOneWholeList) {
    // In memory when the system offers it: a kill waits for a flush to disk to finish, and
    // what a kill may leave does not depend on the disk.
    const bool shm = QFileInfo("/dev/shm").isWritable();
    QTemporaryDir dir(shm ? QStringLiteral("/dev/shm/horavia-crash-XXXXXX") : QString());
    const QString folder = dir.path() + "/Horavia";
    const Lists lists;
    {
        QtSettingsStore first(folder);
        SaveClockList(first, lists.lists[0], lists.catalogue, lists.rows);
    }
    ASSERT_EQ(ListOnDisk(lists, folder), 0);

    std::mt19937 random(20260701);
    std::uniform_int_distribution<int> delayUs(0, 20000);
    int kills = 0;
    int seen[2] = {0, 0};
    int killedMidWrite = 0;  // a temporary file was left
    QElapsedTimer elapsed;
    elapsed.start();
    while (kills < 250 && elapsed.elapsed() < 55000) {
        int pipeEnds[2];
        ASSERT_EQ(::pipe(pipeEnds), 0);
        const pid_t writer = ::fork();
        ASSERT_GE(writer, 0);
        if (writer == 0) {
            ::close(pipeEnds[0]);
            SaveForEver(lists, folder, pipeEnds[1]);
        }
        ::close(pipeEnds[1]);
        char byte = 0;
        ASSERT_EQ(::read(pipeEnds[0], &byte, 1), 1) << "the writer began";
        std::this_thread::sleep_for(std::chrono::microseconds(delayUs(random)));
        ::kill(writer, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(writer, &status, 0), writer);
        ::close(pipeEnds[0]);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer failed by itself: " << status;
        ++kills;
        const int which = ListOnDisk(lists, folder);
        ASSERT_NE(which, -1) << "after kill " << kills << ": a list lost or mixed";
        ++seen[which];
        if (QDir(folder).entryList(QDir::Files).size() > 1) ++killedMidWrite;
    }
    EXPECT_GE(kills, 200) << "in " << elapsed.elapsed() << " ms";
    EXPECT_GT(seen[0], 0);
    EXPECT_GT(seen[1], 0);
    std::printf(
        "%d kills (%d in the middle of a write); list 0 on disk %d times, list 1 %d "
        "times; %lld ms\n",
        kills, killedMidWrite, seen[0], seen[1], static_cast<long long>(elapsed.elapsed()));

    // The next save clears whatever temporary file a kill left.
    QtSettingsStore last(folder);
    SaveClockList(last, lists.lists[1], lists.catalogue, lists.rows);
    SaveClockList(last, lists.lists[0], lists.catalogue, lists.rows);
    EXPECT_FALSE(last.Problem());
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{"Horavia 2.0.ini"});
}

}  // namespace
}  // namespace horavia
