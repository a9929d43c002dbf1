// One running instance per user and settings folder, on a private session bus (run under
// dbus-run-session).
#include "platform/single_instance.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSignalSpy>
#include <memory>

namespace horavia {
namespace {

TEST(SingleInstance, ALaterStartHandsOverAndTheFirstComesForward) {
    SingleInstance first(QStringLiteral("/home/u/.config/Horavia"));
    QSignalSpy forward(&first, &SingleInstance::comeForwardRequested);
    ASSERT_EQ(first.Claim(), InstanceClaim::Claimed);

    SingleInstance second(QStringLiteral("/home/u/.config/./Horavia/"));
    EXPECT_EQ(second.Claim(), InstanceClaim::HandedOver) << "the same folder, written otherwise";
    EXPECT_EQ(forward.size(), 1);

    SingleInstance elsewhere(QStringLiteral("/tmp/other-settings/Horavia"));
    EXPECT_EQ(elsewhere.Claim(), InstanceClaim::Claimed) << "other settings never meet";
    EXPECT_EQ(forward.size(), 1);
}

// However a run ends, its name goes with it: the next start is the first again.
TEST(SingleInstance, TheNameGoesWithTheRun) {
    const QString folder = QStringLiteral("/home/u/.config/Horavia");
    {
        auto gone = std::make_unique<SingleInstance>(folder);
        ASSERT_EQ(gone->Claim(), InstanceClaim::Claimed);
    }
    SingleInstance next(folder);
    EXPECT_EQ(next.Claim(), InstanceClaim::Claimed);
}

}  // namespace
}  // namespace horavia

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
