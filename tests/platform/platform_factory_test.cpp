// The platform as the program gets it from the factory: the zones, and requests to end
// that reach the program only while it watches for them.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <csignal>

#include "model/zone_catalogue_loader.h"
#include "platform/platform.h"

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

}  // namespace
}  // namespace horavia
