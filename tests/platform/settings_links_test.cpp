// A symbolic link that another user owns, in place of the settings file, the autostart entry or
// their folder, is never followed: a program run as root with that user's XDG_CONFIG_HOME would
// otherwise replace whatever file the link names. Links of the process's own user still are.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/linux/autostart_entry.h"
#include "platform/qt_settings_store.h"

namespace horavia {
namespace {

constexpr uid_t kOtherUser = 4242;
constexpr char kFileReason[] = "it is a symbolic link owned by another user (uid 4242)";
constexpr char kFolderReason[] = "its folder is a symbolic link owned by another user (uid 4242)";

struct stat Lstat(const QString& path) {
    struct stat st {};
    EXPECT_EQ(::lstat(QFile::encodeName(path).constData(), &st), 0) << path.toStdString();
    return st;
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void Link(const QString& target, const QString& link, uid_t owner) {
    ASSERT_TRUE(QFile::link(target, link));
    ASSERT_EQ(::lchown(QFile::encodeName(link).constData(), owner, owner), 0);
}

TEST(SettingsLinks, AnotherUsersLinkIsRefusedAndItsTargetStaysAsItIs) {
    if (::geteuid() != 0) GTEST_SKIP() << "making a link another user owns needs root";
    const struct {
        const char* what;
        bool autostart;      // the autostart entry, else the settings file
        bool folderLink;     // the folder is the link, else the file
        uid_t owner;         // the link's; 0 is this process's own user here
        bool afterRead;      // the link takes the place of a plain file after the first read
        const char* reason;  // nullptr: the link is followed
    } rows[] = {
        {"settings file", false, false, kOtherUser, false, kFileReason},
        {"settings folder", false, true, kOtherUser, false, kFolderReason},
        {"settings file, after the read", false, false, kOtherUser, true, kFileReason},
        {"settings folder, after the read", false, true, kOtherUser, true, kFolderReason},
        {"own settings file link", false, false, 0, false, nullptr},
        {"own settings folder link", false, true, 0, false, nullptr},
        {"autostart entry", true, false, kOtherUser, false, kFileReason},
        {"autostart folder", true, true, kOtherUser, false, kFolderReason},
        {"own autostart entry link", true, false, 0, false, nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        QTemporaryDir dir;
        const QString victim = dir.path() + "/victim";  // the other user's folder
        const QString folder =
            dir.path() + (row.autostart ? "/config/autostart" : "/config/Horavia");
        const QString name = row.autostart ? "horavia.desktop" : "Horavia 2.0.ini";
        const QString victimFile = victim + '/' + name;
        const QByteArray original =
            row.autostart ? "[Desktop Entry]\nExec=mine\n" : "[Settings]\nA=mine\n";
        ASSERT_TRUE(QDir().mkpath(victim) && QDir().mkpath(folder));
        WriteFile(victimFile, original);
        ASSERT_EQ(::chown(QFile::encodeName(victimFile).constData(), kOtherUser, kOtherUser), 0);
        const struct stat before = Lstat(victimFile);
        const auto placeLink = [&] {
            if (row.folderLink) {
                ASSERT_TRUE(QDir().rename(folder, folder + ".old"));
                Link(victim, folder, row.owner);
            } else {
                QFile::remove(folder + '/' + name);
                Link(victimFile, folder + '/' + name, row.owner);
            }
        };

        std::vector<SettingsProblem> told;
        if (row.autostart) {
            placeLink();
            AutostartEntry entry(folder);
            EXPECT_EQ(entry.WriteRunText("/usr/bin/horavia"), !row.reason);
            if (row.reason) {
                EXPECT_FALSE(entry.ReadRunText());
                EXPECT_FALSE(entry.WriteRunText("")) << "nor removed";
            } else {
                EXPECT_TRUE(Bytes(victimFile).contains("\nExec=/usr/bin/horavia\n"));
            }
        } else {
            if (row.afterRead) {
                WriteFile(folder + '/' + name, "[Settings]\nA=own\n");
            } else {
                placeLink();
            }
            QtSettingsStore store{folder};
            store.SetProblemHandler([&](const SettingsProblem& p) { told.push_back(p); });
            EXPECT_EQ(store.Get("A", "<absent>"), row.afterRead ? "own"
                                                  : row.reason  ? "<absent>"
                                                                : "mine");
            if (row.afterRead) placeLink();
            store.Save("A", "root");
            store.Save("B", "x");
            EXPECT_EQ(store.Get("A", ""), "root") << "kept in memory";
            if (!row.reason) {
                EXPECT_EQ(Bytes(victimFile), "[Settings]\nA=root\nB=x\n");
            }
            EXPECT_EQ(told.size(), row.reason ? 1u : 0u) << "told once";
        }
        if (!row.reason) continue;
        const struct stat after = Lstat(victimFile);
        EXPECT_EQ(Bytes(victimFile), original);
        EXPECT_EQ(after.st_ino, before.st_ino);
        EXPECT_EQ(after.st_uid, kOtherUser);
        EXPECT_EQ(QDir(victim).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                  QStringList{name})
            << "no temporary file";
        if (told.empty()) continue;  // the autostart entry has no message of its own
        EXPECT_EQ(told[0].kind,
                  row.afterRead ? SettingsProblem::Kind::Write : SettingsProblem::Kind::Read);
        EXPECT_EQ(told[0].reason, row.reason);
    }
}

}  // namespace
}  // namespace horavia
