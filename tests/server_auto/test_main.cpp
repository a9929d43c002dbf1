// The server-test window needs an application object; it runs without a display.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    // Also when CTest lists the tests at build time, without the test's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
