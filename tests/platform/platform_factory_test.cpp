// The platform as the program gets it from the factory: the zones, requests to end that reach
// the program only while it watches for them, and starting at log-on.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>

#include "model/zone_catalogue_loader.h"
#include "platform/platform.h"
#include "scoped_env.h"

namespace horavia {
namespace {

TEST(PlatformFactory, ZoneSourceHoldsTheSystemZones) {
    const auto zones = CreatePlatform()->CreateZoneSource()->Entries(2026);
    EXPECT_EQ(zones.keyPath, kZoneKeyPathNt);
    EXPECT_GT(zones.zones.size(), 100u);
}

TEST(PlatformFactory, TerminationRequestsReachTheWatchWhileItLives) {
    int argc = 1;
    char name[] = "platform_factory_test";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    const auto platform = CreatePlatform();
    for (const int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
        int requests = 0;
        {
            const auto watch = platform->WatchTerminationRequests([&] { ++requests; });
            ASSERT_EQ(std::raise(signalNumber), 0);
            const QDeadlineTimer deadline(5000);
            while (requests == 0 && !deadline.hasExpired()) {
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
            }
            EXPECT_EQ(requests, 1) << signalNumber;
        }
        // Without a watch the signal ends the program again, as it would without one.
        struct sigaction action {};
        ASSERT_EQ(::sigaction(signalNumber, nullptr, &action), 0);
        EXPECT_EQ(action.sa_handler, SIG_DFL) << signalNumber;
    }
}

std::optional<std::string> FileText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return file.readAll().toStdString();
}

// The enabled entry for this test program, whose path needs no quoting.
std::string EnabledEntryText() {
    const std::string program = QCoreApplication::applicationFilePath().toStdString();
    EXPECT_EQ(program.find_first_of(" \t\"'\\$%`"), std::string::npos)
        << "the entry is written for a path that needs no quoting";
    return "[Desktop Entry]\nType=Application\nName=Horavia\nExec=" + program +
           "\nX-Horavia-RunText=\"" + program +
           "\"\nHidden=false\nX-GNOME-Autostart-enabled=true\n";
}

// The autostart entry in the configuration folder the program started with: written while
// "Load on startup" is on, removed when it is off; a failure answers false.
TEST(PlatformFactory, LogOnStartWritesAndRemovesTheAutostartEntry) {
    int argc = 1;
    char name[] = "platform_factory_test";
    char* argv[] = {name, nullptr};
    const QCoreApplication app(argc, argv);
    const std::string enabledEntry = EnabledEntryText();

    QTemporaryDir config;
    const QString entry = config.filePath("autostart/horavia.desktop");
    const auto entryText = [&] { return FileText(entry); };
    const ScopedEnv xdg("XDG_CONFIG_HOME", config.path().toUtf8().constData());
    const auto platform = CreatePlatform();
    EXPECT_FALSE(platform->IsLogOnStartEnabled());

    const struct {
        bool enable;
        std::optional<std::string> entry;  // the file afterwards; none: no file
    } steps[] = {
        {false, std::nullopt},  // nothing to remove
        {true, enabledEntry},   // the folder is made
        {true, enabledEntry},   // written again, the same
        {false, std::nullopt}, {false, std::nullopt},
    };
    for (const auto& step : steps) {
        EXPECT_TRUE(step.enable ? platform->EnableLogOnStart() : platform->DisableLogOnStart());
        EXPECT_EQ(entryText(), step.entry);
        EXPECT_EQ(platform->IsLogOnStartEnabled(), step.enable);
    }

    // A plain file where the autostart folder should be: nothing can be written.
    ASSERT_TRUE(QDir(config.path()).rmdir("autostart"));
    QFile blocker(config.filePath("autostart"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(platform->EnableLogOnStart());
    EXPECT_FALSE(platform->IsLogOnStartEnabled());
}

// Enabling replaces whatever stands at the entry's place by a new file with the default
// permissions: a link of the user's there is not written through, and what it names stays.
TEST(PlatformFactory, LogOnStartWritesAFreshEntryInPlaceOfTheOldOne) {
    int argc = 1;
    char name[] = "platform_factory_test";
    char* argv[] = {name, nullptr};
    const QCoreApplication app(argc, argv);
    const std::string enabledEntry = EnabledEntryText();
    const mode_t mask = ::umask(0);
    ::umask(mask);

    const std::string own = "[Desktop Entry]\nExec=mine\nX-Mine=kept?\n";
    for (const bool link : {false, true}) {
        SCOPED_TRACE(link ? "a link to a file elsewhere" : "a private file of the user's");
        QTemporaryDir config;
        const QString entry = config.filePath("autostart/horavia.desktop");
        const QString elsewhere = config.filePath("elsewhere.desktop");
        ASSERT_TRUE(QDir(config.path()).mkdir("autostart"));
        QFile file(link ? elsewhere : entry);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(own.data(), static_cast<qint64>(own.size()));
        file.close();
        ASSERT_TRUE(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner));
        if (link) {
            ASSERT_TRUE(QFile::link(elsewhere, entry));
        }

        const ScopedEnv xdg("XDG_CONFIG_HOME", config.path().toUtf8().constData());
        EXPECT_TRUE(CreatePlatform()->EnableLogOnStart());
        struct stat st {};
        ASSERT_EQ(::lstat(QFile::encodeName(entry).constData(), &st), 0);
        EXPECT_TRUE(S_ISREG(st.st_mode));
        EXPECT_EQ(st.st_mode & 0777, 0666 & ~mask);
        EXPECT_EQ(FileText(entry), enabledEntry);
        if (link) {
            EXPECT_EQ(FileText(elsewhere), own) << "what the link names stays";
        }
    }
}

}  // namespace
}  // namespace horavia
