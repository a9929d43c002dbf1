// The platform as the program gets it from the factory: the zones, requests to end that reach
// the program only while it watches for them, and starting at log-on.
#include <gtest/gtest.h>

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

// The autostart entry in the configuration folder the program started with: written while
// "Load on startup" is on, removed when it is off; a failure answers false.
TEST(PlatformFactory, LogOnStartWritesAndRemovesTheAutostartEntry) {
    int argc = 1;
    char name[] = "platform_factory_test";
    char* argv[] = {name, nullptr};
    const QCoreApplication app(argc, argv);
    const std::string program = QCoreApplication::applicationFilePath().toStdString();
    ASSERT_EQ(program.find_first_of(" \t\"'\\$%`"), std::string::npos)
        << "the entry below is written for a path that needs no quoting";
    const std::string enabledEntry =
        "[Desktop Entry]\nType=Application\nName=Horavia\nExec=" + program +
        "\nX-Horavia-RunText=\"" + program + "\"\nHidden=false\nX-GNOME-Autostart-enabled=true\n";

    QTemporaryDir config;
    const QString entry = config.filePath("autostart/horavia.desktop");
    const auto entryText = [&]() -> std::optional<std::string> {
        QFile file(entry);
        if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
        return file.readAll().toStdString();
    };
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

}  // namespace
}  // namespace horavia
