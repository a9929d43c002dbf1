// One running instance per user and settings folder, on a private session bus (run under
// dbus-run-session).
#include "platform/single_instance.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>
#include <memory>
#include <optional>

namespace horavia {
namespace {

// The claim's outcome, which may come through the event loop (here the same process answers
// the hand-over, so the loop must run meanwhile).
std::optional<InstanceClaim> Claim(SingleInstance& instance) {
    std::optional<InstanceClaim> claim;
    instance.Claim([&claim](InstanceClaim c) { claim = c; });
    if (!QTest::qWaitFor([&claim] { return claim.has_value(); }, 5000)) return std::nullopt;
    return claim;
}

TEST(SingleInstance, ALaterStartHandsOverAndTheFirstComesForward) {
    SingleInstance first(QStringLiteral("/home/u/.config/Horavia"));
    QSignalSpy forward(&first, &SingleInstance::comeForwardRequested);
    std::optional<InstanceClaim> claim;
    first.Claim([&claim](InstanceClaim c) { claim = c; });
    ASSERT_EQ(claim, InstanceClaim::Claimed) << "decided at once: nobody to ask";

    SingleInstance second(QStringLiteral("/home/u/.config/./Horavia/"));
    claim.reset();
    second.Claim([&claim](InstanceClaim c) { claim = c; });
    EXPECT_FALSE(claim) << "the running one answers through the event loop";
    EXPECT_TRUE(QTest::qWaitFor([&claim] { return claim.has_value(); }, 5000));
    EXPECT_EQ(claim, InstanceClaim::HandedOver) << "the same folder, written otherwise";
    EXPECT_EQ(forward.size(), 1);

    SingleInstance elsewhere(QStringLiteral("/tmp/other-settings/Horavia"));
    EXPECT_EQ(Claim(elsewhere), InstanceClaim::Claimed) << "other settings never meet";
    EXPECT_EQ(forward.size(), 1);
}

// However a run ends, its name goes with it: the next start is the first again.
TEST(SingleInstance, TheNameGoesWithTheRun) {
    const QString folder = QStringLiteral("/home/u/.config/Horavia");
    {
        auto gone = std::make_unique<SingleInstance>(folder);
        ASSERT_EQ(Claim(*gone), InstanceClaim::Claimed);
    }
    SingleInstance next(folder);
    EXPECT_EQ(Claim(next), InstanceClaim::Claimed);
}

}  // namespace
}  // namespace horavia

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
